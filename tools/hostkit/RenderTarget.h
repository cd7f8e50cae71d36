// The host's output for a headless frame.
#pragma once

#include <cstdint>
#include <vector>

// An RGBA8 colour target the size of the output, bound as the host's framebuffer.
struct RenderTarget {
    uint32_t framebuffer = 0;
    uint32_t colorTexture = 0;
    int width = 0;
    int height = 0;

    bool Create(int width, int height);
    void Release();
    // Rows bottom-up as GL returns them, 4 bytes per pixel.
    std::vector<uint8_t> ReadPixels() const;
};
