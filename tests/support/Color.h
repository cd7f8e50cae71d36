// Colours in the tests: a pixel as a target or a picture file holds it, and a colour value
// as the shaders compute it, which an 8-bit pixel may only approach.
#pragma once

#include <cstdint>

struct Rgba {
    uint8_t r, g, b, a;
};

struct Color {
    float r, g, b;  // 0..1
};
