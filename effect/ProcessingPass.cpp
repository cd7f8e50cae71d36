#include "effect/ProcessingPass.h"

#include <GL/glew.h>

#include "gl/ContextLimits.h"
#include "gl/Scoped.h"
#include "host/Log.h"

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
    DrawWith(programs.ForFrame(VariantFor(uniforms)), inputTexture, hostFramebuffer, uniforms);
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
    glUniform1i(at.colorMode, uniforms.colorMode);
    glUniform1f(at.noiseAmount, uniforms.noiseAmount);
    glUniform1f(at.glitchAmount, uniforms.glitchAmount);
    glUniform1f(at.time, uniforms.time);
    glUniform1f(at.scanLinePos, uniforms.scanLinePos);
    glUniform1f(at.scanIntensity, uniforms.scanIntensity);
    screenQuad.Draw();
}
