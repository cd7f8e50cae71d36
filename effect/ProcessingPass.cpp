#include "effect/ProcessingPass.h"

#include <GL/glew.h>

#include "gl/Scoped.h"
#include "host/Log.h"

namespace {

ProcessingLocations FindProcessingLocations(const ShaderProgram& shader) {
    ProcessingLocations at;
    at.inputTexture = shader.UniformLocation("InputTexture");
    at.maxUV = shader.UniformLocation("MaxUV");
    at.readArea = shader.UniformLocation("ReadArea");
    at.colorMode = shader.UniformLocation("ColorMode");
    at.noiseAmount = shader.UniformLocation("NoiseAmount");
    at.glitchAmount = shader.UniformLocation("GlitchAmount");
    at.time = shader.UniformLocation("Time");
    at.scanLinePos = shader.UniformLocation("ScanLinePos");
    at.scanIntensity = shader.UniformLocation("ScanIntensity");
    return at;
}

}  // namespace

bool ProcessingPass::Create(const ShaderSource& full, const ShaderSource& plain, const ShaderSource& padded) {
    if (!processingShader.Compile(full) || !plainProcessingShader.Compile(plain) ||
        !paddedProcessingShader.Compile(padded)) {
        LogMessage("Failed to compile processing shader");
        return false;
    }
    processingLocations = FindProcessingLocations(processingShader);
    plainProcessingLocations = FindProcessingLocations(plainProcessingShader);
    paddedProcessingLocations = FindProcessingLocations(paddedProcessingShader);
    return screenQuad.Create();
}

void ProcessingPass::Release() {
    processingShader.Release();
    plainProcessingShader.Release();
    paddedProcessingShader.Release();
    processingLocations = {};
    plainProcessingLocations = {};
    paddedProcessingLocations = {};
    screenQuad.Release();
}

void ProcessingPass::Draw(uint32_t inputTexture, uint32_t hostFramebuffer, const ProcessingUniforms& uniforms) const {
    const ProcessingProgram which = IsPadded(uniforms.readArea)     ? ProcessingProgram::Padded
                                    : NeedsFullProcessing(uniforms) ? ProcessingProgram::Full
                                                                    : ProcessingProgram::Plain;
    DrawWith(which, inputTexture, hostFramebuffer, uniforms);
}

void ProcessingPass::DrawWith(ProcessingProgram which, uint32_t inputTexture, uint32_t hostFramebuffer,
                              const ProcessingUniforms& uniforms) const {
    const ShaderProgram& shader = which == ProcessingProgram::Full    ? processingShader
                                  : which == ProcessingProgram::Plain ? plainProcessingShader
                                                                      : paddedProcessingShader;
    const ProcessingLocations& at = which == ProcessingProgram::Full    ? processingLocations
                                    : which == ProcessingProgram::Plain ? plainProcessingLocations
                                                                        : paddedProcessingLocations;
    glBindFramebuffer(GL_FRAMEBUFFER, hostFramebuffer);
    ScopedProgramUse programScope(shader.ProgramHandle());
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
