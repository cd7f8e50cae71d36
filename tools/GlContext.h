// An offscreen OpenGL 4.1 core context for the headless host and the tests, with a
// framebuffer object standing in for the host's output.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class GlContext {
public:
    // Creates the context, makes it current and loads the host's GL entry points.
    static std::unique_ptr<GlContext> Create(std::string* error);
    virtual ~GlContext() = default;
};

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

// An RGBA8 texture holding a picture in its lower-left width x height corner of an
// allocation hardwareWidth x hardwareHeight; pixels are given top row first.
struct InputTexture {
    uint32_t texture = 0;
    int width = 0, height = 0, hardwareWidth = 0, hardwareHeight = 0;

    bool Create(int width, int height, int hardwareWidth, int hardwareHeight, const uint8_t* rgbaTopDown);
    void Release();
};
