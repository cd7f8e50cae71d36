// The first drawing step of a frame: the input picture through the processing shader over
// the whole viewport. The values are computed on the CPU; the draw only uploads them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "abi/ffgl_abi.h"

class ShaderProgram;
class ScreenQuad;

// Values of one frame, shared by the pass and the HUD drawn after it.
struct FrameValues {
    float frameTime = 0.0f;  // seconds, as if frames came at 60 per second
    int32_t scanMode = 0;    // the "Scan Line" option, 0 = off
    float scanPosition = 0.0f;
    float scanIntensity = 0.0f;
};

// The eight uniforms of the processing shader.
struct ProcessingUniforms {
    int32_t inputTexture = 0;  // texture unit
    float maxU = 1.0f;
    float maxV = 1.0f;
    int32_t colorMode = 0;
    float noiseAmount = 0.0f;
    float glitchAmount = 0.0f;
    float time = 0.0f;
    float scanLinePos = 0.0f;
    float scanIntensity = 0.0f;
};

// The effect's parameters that the pass reads.
struct ProcessingParameters {
    float colorMode = 0.0f;
    float scanLineMode = 0.0f;
    float noiseAmount = 0.0f;
    float glitchAmount = 0.0f;
};

FrameValues ComputeFrameValues(int32_t frameCounter, float scanLineMode);
ProcessingUniforms ComputeProcessingUniforms(const FrameValues& frame, const ffgl::TextureRecord& input,
                                             const ProcessingParameters& parameters);

// Whether any feature of the full processing shader changes the picture: glitch, noise,
// scan glow or a colour mode other than "Normal". The tests are the shader's own.
bool NeedsFullProcessing(const ProcessingUniforms& uniforms);

// The log line of the first three frames (counted from 1); false, and nothing written,
// for any other frame. The text is cut to the buffer's size.
bool FormatFirstFrameLine(char* buffer, size_t size, int32_t frameCounter, const ffgl::TextureRecord& input,
                          uint32_t program, uint32_t hostFramebuffer);

// Where a processing program takes its uniforms, found once after it is linked rather
// than every frame. A uniform the program lacks is -1, which GL ignores.
struct ProcessingLocations {
    int32_t inputTexture = -1;
    int32_t maxUV = -1;
    int32_t colorMode = -1;
    int32_t noiseAmount = -1;
    int32_t glitchAmount = -1;
    int32_t time = -1;
    int32_t scanLinePos = -1;
    int32_t scanIntensity = -1;
};
ProcessingLocations FindProcessingLocations(const ShaderProgram& shader);

// Binds the host's framebuffer and draws; program, texture unit and texture binding
// are back at their defaults afterwards.
void DrawProcessingPass(const ShaderProgram& shader, const ProcessingLocations& locations, const ScreenQuad& quad,
                        uint32_t inputTexture, uint32_t hostFramebuffer, const ProcessingUniforms& uniforms);
