// The host's output for a headless frame.
#pragma once

#include <cstdint>
#include <vector>

// The colour formats hosts render into: 8-bit, and the float targets of HDR pipelines.
enum class TargetFormat { Rgba8, Rgba16F, Rgba32F };

// A colour target the size of the output, bound as the host's framebuffer.
struct RenderTarget {
    uint32_t framebuffer = 0;
    uint32_t colorTexture = 0;
    int width = 0;
    int height = 0;
    TargetFormat format = TargetFormat::Rgba8;

    bool Create(int width, int height, TargetFormat format = TargetFormat::Rgba8);
    void Release();
    // Rows bottom-up as GL returns them, 4 bytes per pixel.
    std::vector<uint8_t> ReadPixels() const;
    // Rows bottom-up, 4 floats per pixel, as stored (a float target keeps NaN and infinity).
    std::vector<float> ReadFloatPixels() const;
};
