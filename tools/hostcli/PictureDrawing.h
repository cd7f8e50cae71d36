// Plain drawing on pictures in memory, for the sheets the host makes (the font sheet, the
// gallery's contact sheet). Everything is clipped to the picture.
#pragma once

#include <cstdint>

#include "tools/hostcli/Picture.h"

struct Rgb {
    uint8_t r, g, b;
};

// Opaque colour over the rectangle.
void FillRect(Picture& picture, int x, int y, int width, int height, Rgb colour);
// Colour over one pixel, weighted by coverage (0 leaves it, 255 replaces it).
void BlendPixel(Picture& picture, int x, int y, Rgb colour, int coverage);
// Another picture's pixels, its top-left corner at (x, y).
void PastePicture(Picture& picture, const Picture& piece, int x, int y);
