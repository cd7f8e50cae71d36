#include "tools/hostcli/PictureDrawing.h"

#include <algorithm>
#include <cstring>

namespace {

uint8_t* PixelAt(Picture& picture, int x, int y) {
    return picture.rgba.data() + (static_cast<size_t>(y) * picture.width + x) * 4;
}

uint8_t Mix(uint8_t under, uint8_t over, int coverage) {
    return static_cast<uint8_t>((under * (255 - coverage) + over * coverage + 127) / 255);
}

}  // namespace

void FillRect(Picture& picture, int x, int y, int width, int height, Rgb colour) {
    for (int row = std::max(y, 0); row < std::min(y + height, picture.height); ++row) {
        for (int column = std::max(x, 0); column < std::min(x + width, picture.width); ++column) {
            uint8_t* p = PixelAt(picture, column, row);
            p[0] = colour.r;
            p[1] = colour.g;
            p[2] = colour.b;
            p[3] = 255;
        }
    }
}

void BlendPixel(Picture& picture, int x, int y, Rgb colour, int coverage) {
    if (x < 0 || y < 0 || x >= picture.width || y >= picture.height || coverage <= 0) return;
    coverage = std::min(coverage, 255);
    uint8_t* p = PixelAt(picture, x, y);
    p[0] = Mix(p[0], colour.r, coverage);
    p[1] = Mix(p[1], colour.g, coverage);
    p[2] = Mix(p[2], colour.b, coverage);
    p[3] = Mix(p[3], 255, coverage);
}

void PastePicture(Picture& picture, const Picture& piece, int x, int y) {
    const int first = std::max(x, 0);
    const int last = std::min(x + piece.width, picture.width);
    if (first >= last) return;
    for (int row = std::max(y, 0); row < std::min(y + piece.height, picture.height); ++row)
        std::memcpy(PixelAt(picture, first, row), piece.At(first - x, row - y), static_cast<size_t>(last - first) * 4);
}
