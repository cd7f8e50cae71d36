// The host's input for a headless frame.
#pragma once

#include <cstdint>

// An RGBA8 texture holding a picture in its lower-left width x height corner of an
// allocation hardwareWidth x hardwareHeight; pixels are given top row first.
struct InputTexture {
    uint32_t texture = 0;
    int width = 0, height = 0, hardwareWidth = 0, hardwareHeight = 0;

    bool Create(int pictureWidth, int pictureHeight, int textureWidth, int textureHeight, const uint8_t* rgbaTopDown);
    void Release();
};
