#include "effect/ProcessingPass.h"

#include <GL/glew.h>

#include <chrono>
#include <thread>

#include "gl/ContextLimits.h"
#include "gl/Scoped.h"
#include "host/Log.h"
#include "platform/Platform.h"

namespace {

// A step of building that the driver takes from its cache costs the render thread well
// under a millisecond (a few, the first time in a process); one it compiles on this
// thread with nothing cached costs tens of milliseconds.
constexpr double kCachedBuildStepMs = 10.0;
// How long set-up waits for a driver that builds on threads of its own.
constexpr int kWarmUpPolls = 2000;
constexpr auto kPollPause = std::chrono::milliseconds(1);

// Each row routed to a uniform of its own, as an int or a float as its type says.
void SetParameterUniforms(const ProcessingLocations& at, const ProcessingUniforms& uniforms) {
    for (const ParameterRow& row : kEffectParameters) {
        if (row.route != ParameterRoute::Uniform) continue;
        const ParameterUniform& value = uniforms.parameters[row.index];
        if (TakesLevel(row)) {
            glUniform1f(at.parameters[row.index], value.level);
        } else {
            glUniform1i(at.parameters[row.index], value.whole);
        }
    }
}

}  // namespace

bool ProcessingPass::Create(const ShaderSource& source) { return Create(source, ContextCompilesInParallel()); }

bool ProcessingPass::Create(const ShaderSource& source, bool parallelCompile) {
    if (!programs.Create(source, parallelCompile)) {
        LogMessage("Failed to compile processing shader");
        return false;
    }
    return screenQuad.Create();
}

void ProcessingPass::Release() {
    programs.Release();
    screenQuad.Release();
}

void ProcessingPass::Draw(uint32_t inputTexture, uint32_t hostFramebuffer, const ProcessingUniforms& uniforms) {
    ProcessingUniforms frame = uniforms;
    // Only the interlace counts window rows: the viewport is asked for when it is on.
    if (frame.parameters[kParamGlitch].level > 0.1f) {
        const ViewportRect viewport = CurrentViewport();
        frame.viewportY = static_cast<float>(viewport.y);
        frame.viewportHeight = static_cast<float>(viewport.height);
    }
    DrawWith(programs.ForFrame(VariantFor(frame)), inputTexture, hostFramebuffer, frame);
}

void ProcessingPass::DrawWith(const ProcessingProgram& program, uint32_t inputTexture, uint32_t hostFramebuffer,
                              const ProcessingUniforms& uniforms) const {
    const ProcessingLocations& at = program.at;
    glBindFramebuffer(GL_FRAMEBUFFER, hostFramebuffer);
    ScopedProgramUse programScope(program.shader.ProgramHandle());
    ScopedActiveTextureUnit unitScope(0);
    ffglex::Scoped2DTextureBinding textureScope(inputTexture);
    glUniform1i(at.inputTexture, uniforms.inputTexture);
    glUniform2f(at.maxUV, uniforms.maxU, uniforms.maxV);
    const ReadArea& area = uniforms.readArea;
    glUniform4f(at.readArea, area.minU, area.minV, area.maxU, area.maxV);
    SetParameterUniforms(at, uniforms);
    glUniform1f(at.time, uniforms.time);
    glUniform1f(at.scanLinePos, uniforms.scanLinePos);
    glUniform1f(at.scanIntensity, uniforms.scanIntensity);
    glUniform2f(at.viewportRows, uniforms.viewportY, uniforms.viewportHeight);
    screenQuad.Draw();
}

void ProcessingPass::WarmUp(uint32_t framebuffer, const ffgl::TextureRecord& picture,
                            const ffgl::TextureRecord& padded) {
    const FrameValues frame = ComputeFrameValues(1, 0.0f);
    const EffectParameters defaults;
    const ProcessingUniforms uniforms = ComputeProcessingUniforms(frame, picture, defaults);
    DrawWith(programs.Full(false), picture.handle, framebuffer, uniforms);
    DrawWith(programs.Full(true), padded.handle, framebuffer, ComputeProcessingUniforms(frame, padded, defaults));

    const ProcessingVariant plain = VariantFor(uniforms);
    double start = ThreadMilliseconds();
    programs.ForFrame(plain);
    const double starting = ThreadMilliseconds() - start;
    for (int poll = 0; poll < kWarmUpPolls; ++poll) {
        start = ThreadMilliseconds();
        const ProcessingProgram& program = programs.ForFrame(plain);
        if (!programs.Built(plain)) {
            if (!programs.Building()) return;  // it failed: the full program draws
            std::this_thread::sleep_for(kPollPause);
            continue;
        }
        DrawWith(program, picture.handle, framebuffer, uniforms);
        const double finishing = ThreadMilliseconds() - start;
        programs.SetBuildingInFrames(starting <= kCachedBuildStepMs && finishing <= kCachedBuildStepMs);
        return;
    }
}
