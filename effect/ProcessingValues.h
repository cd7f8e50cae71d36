// What the processing pass of a frame draws with, computed on the CPU so that the draw
// only uploads it: the frame's time and scan values, the shader's uniforms, the log line.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "abi/ffgl_abi.h"
#include "effect/EffectParameters.h"

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

// A parameter's value as its uniform takes it: an option rounded or an on/off value as 0
// or 1 (an int uniform), a standard value held within 0..1 (a float uniform).
struct ParameterUniform {
    int32_t whole = 0;
    float level = 0.0f;
};

// The uniforms of the processing shader.
struct ProcessingUniforms {
    int32_t inputTexture = 0;  // texture unit
    float maxU = 1.0f;
    float maxV = 1.0f;
    ReadArea readArea;
    // By parameter index: the rows routed to a uniform of their own (ParameterRoute::Uniform).
    std::array<ParameterUniform, kParameterCount> parameters{};
    float time = 0.0f;
    float scanLinePos = 0.0f;
    float scanIntensity = 0.0f;
    // The viewport's first window row and its height, from GL at the draw: the interlace
    // counts window rows.
    float viewportY = 0.0f;
    float viewportHeight = 0.0f;
};

FrameValues ComputeFrameValues(int32_t frameCounter, float scanLineMode);
ProcessingUniforms ComputeProcessingUniforms(const FrameValues& frame, const ffgl::TextureRecord& input,
                                             const EffectParameters& parameters);
// Whether a row's uniform is a float (standard values) rather than an int.
constexpr bool TakesLevel(const ParameterRow& row) { return row.type == ffgl::kTypeStandard; }

// Whether the picture fills less than its texture, so that reads must be held within it.
bool IsPadded(const ReadArea& area);

// The log line of the first three frames (counted from 1); false, and nothing written,
// for any other frame. The text is cut to the buffer's size.
bool FormatFirstFrameLine(char* buffer, size_t size, int32_t frameCounter, const ffgl::TextureRecord& input,
                          uint32_t program, uint32_t hostFramebuffer);
