// The first drawing step of a frame: the input picture through the processing shader
// over the whole viewport. It owns the processing programs with their uniform locations
// and the full-screen quad they draw.
#pragma once

#include <cstdint>

#include "effect/ProcessingValues.h"
#include "gl/ScreenQuad.h"
#include "gl/ShaderProgram.h"

// Where a processing program takes its uniforms, found once after it is linked rather
// than every frame. A uniform the program lacks is -1, which GL ignores.
struct ProcessingLocations {
    int32_t inputTexture = -1;
    int32_t maxUV = -1;
    int32_t readArea = -1;
    int32_t colorMode = -1;
    int32_t noiseAmount = -1;
    int32_t glitchAmount = -1;
    int32_t time = -1;
    int32_t scanLinePos = -1;
    int32_t scanIntensity = -1;
};

// The full shader; the plain one for frames with every feature off: the texture read
// alone, which draws the same pixels where software GL would pay for every branch; and
// for a padded input the full shader with every read held within the picture, which
// costs software GL a little more per read.
enum class ProcessingProgram { Full, Plain, Padded };

class ProcessingPass {
public:
    ProcessingPass() = default;
    // Makes no GL call: the names are freed by Release, while the context is current.
    ~ProcessingPass() = default;
    ProcessingPass(const ProcessingPass&) = delete;
    ProcessingPass& operator=(const ProcessingPass&) = delete;

    // Compiles the programs, finds their uniforms and makes the quad. A failed compile
    // sends its one message to the host's log; hosts know the programs as one pass.
    bool Create(const ShaderSource& full, const ShaderSource& plain, const ShaderSource& padded);
    void Release();

    // Binds the host's framebuffer and draws with the program the uniforms need; program,
    // texture unit and texture binding are back at their defaults afterwards.
    void Draw(uint32_t inputTexture, uint32_t hostFramebuffer, const ProcessingUniforms& uniforms) const;
    void DrawWith(ProcessingProgram which, uint32_t inputTexture, uint32_t hostFramebuffer,
                  const ProcessingUniforms& uniforms) const;

    // The full program, the one the first frames' log line names.
    uint32_t ProgramHandle() const { return processingShader.ProgramHandle(); }
    const ShaderProgram& FullProgram() const { return processingShader; }
    const ShaderProgram& PlainProgram() const { return plainProcessingShader; }
    const ShaderProgram& PaddedProgram() const { return paddedProcessingShader; }
    const ScreenQuad& Quad() const { return screenQuad; }

private:
    ShaderProgram processingShader;
    ShaderProgram plainProcessingShader;
    ShaderProgram paddedProcessingShader;
    ProcessingLocations processingLocations;
    ProcessingLocations plainProcessingLocations;
    ProcessingLocations paddedProcessingLocations;
    ScreenQuad screenQuad;
};
