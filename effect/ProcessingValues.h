// What the processing pass of a frame draws with, computed on the CPU so that the draw
// only uploads it: the frame's time and scan values, the shader's uniforms, the log line.
#pragma once

#include <cstddef>
#include <cstdint>

#include "abi/ffgl_abi.h"

// Values of one frame, shared by the pass and the HUD drawn after it.
struct FrameValues {
    float frameTime = 0.0f;  // seconds into the motion period, as if frames came at 60 per second
    int32_t scanMode = 0;    // the "Scan Line" option, 0 = off
    float scanPosition = 0.0f;
    float scanIntensity = 0.0f;
};

// The area every read of the input stays within, in texture coordinates.
struct ReadArea {
    float minU = 0.0f;
    float minV = 0.0f;
    float maxU = 1.0f;
    float maxV = 1.0f;
};

// The uniforms of the processing shader.
struct ProcessingUniforms {
    int32_t inputTexture = 0;  // texture unit
    float maxU = 1.0f;
    float maxV = 1.0f;
    ReadArea readArea;
    int32_t colorMode = 0;
    float noiseAmount = 0.0f;
    float glitchAmount = 0.0f;
    float time = 0.0f;
    float scanLinePos = 0.0f;
    float scanIntensity = 0.0f;
    // The viewport's first window row and its height, from GL at the draw: the interlace
    // counts window rows.
    float viewportY = 0.0f;
    float viewportHeight = 0.0f;
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

// Whether the picture fills less than its texture, so that reads must be held within it.
bool IsPadded(const ReadArea& area);

// The log line of the first three frames (counted from 1); false, and nothing written,
// for any other frame. The text is cut to the buffer's size.
bool FormatFirstFrameLine(char* buffer, size_t size, int32_t frameCounter, const ffgl::TextureRecord& input,
                          uint32_t program, uint32_t hostFramebuffer);
