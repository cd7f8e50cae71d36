#include "effect/ProcessingValues.h"

#include <bit>
#include <cmath>
#include <cstdio>

#include "effect/MotionClock.h"
#include "effect/Rounding.h"

namespace {

// One float step above the float nearest 0.9: the scan line's speed, to the bit, so that
// a stored composition plays back the same frames.
const float kScanSpeed = std::bit_cast<float>(0x3F666667u);

float UsedFraction(uint32_t size, uint32_t hardwareSize) {
    // A host that reports no allocation gets the whole texture rather than a division by zero.
    if (hardwareSize == 0) return 1.0f;
    return static_cast<float>(size) / static_cast<float>(hardwareSize);
}

// From the centre of the first texel to the centre of the picture's last one, so that
// filtering never reaches the padding of a texture larger than its picture. Without
// padding, the whole texture: clamping to its edges reads what clamp-to-edge reads.
void ReadLimits(uint32_t size, uint32_t hardwareSize, float* low, float* high) {
    if (size == 0 || size >= hardwareSize) return;
    const float texels = static_cast<float>(hardwareSize);
    *low = 0.5f / texels;
    *high = (static_cast<float>(size) - 0.5f) / texels;
}

// Rounded, tested or held within 0..1 as the row's type says, as every other use reads it.
ParameterUniform ReadForUniform(const ParameterRow& row, float value) {
    if (TakesLevel(row)) return {0, UnitLevel(value)};
    return {row.type == ffgl::kTypeOption ? RoundOption(value) : static_cast<int32_t>(IsOn(value)), 0.0f};
}

}  // namespace

FrameValues ComputeFrameValues(int32_t frameCounter, float scanLineMode) {
    FrameValues frame;
    frame.frameTime = MotionTime(frameCounter);
    frame.scanMode = RoundOption(scanLineMode);
    if (frame.scanMode >= 1) {
        frame.scanPosition = std::fmod((frame.frameTime * kScanSpeed) * 0.3f, 1.0f);
        frame.scanIntensity = 0.5f;
    }
    return frame;
}

ProcessingUniforms ComputeProcessingUniforms(const FrameValues& frame, const ffgl::TextureRecord& input,
                                             const EffectParameters& parameters) {
    ProcessingUniforms uniforms;
    uniforms.inputTexture = 0;
    uniforms.maxU = UsedFraction(input.width, input.hardwareWidth);
    uniforms.maxV = UsedFraction(input.height, input.hardwareHeight);
    ReadLimits(input.width, input.hardwareWidth, &uniforms.readArea.minU, &uniforms.readArea.maxU);
    ReadLimits(input.height, input.hardwareHeight, &uniforms.readArea.minV, &uniforms.readArea.maxV);
    for (const ParameterRow& row : kEffectParameters)
        if (row.route == ParameterRoute::Uniform)
            uniforms.parameters[row.index] = ReadForUniform(row, parameters.Read(row.index));
    uniforms.time = frame.frameTime;
    uniforms.scanLinePos = frame.scanPosition;
    uniforms.scanIntensity = frame.scanIntensity;
    return uniforms;
}

bool IsPadded(const ReadArea& area) {
    return area.minU > 0.0f || area.minV > 0.0f || area.maxU < 1.0f || area.maxV < 1.0f;
}

bool FormatFirstFrameLine(char* buffer, size_t size, int32_t frameCounter, const ffgl::TextureRecord& input,
                          uint32_t program, uint32_t hostFramebuffer) {
    // A counter that wrapped to negative values is not a first frame.
    if (frameCounter < 1 || frameCounter > 3) return false;
    std::snprintf(buffer, size, "ZaqVigilomatronic v2: frame %d, tex=%u %ux%u, shader=%u, HostFBO=%u",
                  static_cast<int>(frameCounter), input.handle, input.hardwareWidth, input.hardwareHeight, program,
                  hostFramebuffer);
    return true;
}
