#include "effect/ThumbnailArt.h"

#include <cstdlib>

#include "host/Thumbnail.h"

namespace {

void PlotPixel(uint32_t* pixels, int32_t x, int32_t y, uint32_t colour) {
    if (x >= 0 && x < kThumbnailWidth && y >= 0 && y < kThumbnailHeight) pixels[y * kThumbnailWidth + x] = colour;
}

void PlotScanLine(uint32_t* pixels) {
    for (int32_t x = 14; x <= 145; ++x) {
        const float fade = 1.0f - static_cast<float>(std::abs(x - 80)) / 66.0f;
        const auto alpha = static_cast<uint8_t>(static_cast<int>(fade * 255.0f));
        PlotPixel(pixels, x, 60, PackRGBA(255, 0, 128, alpha));
    }
}

void PlotRecordingDot(uint32_t* pixels) {
    for (int32_t dy = -3; dy <= 3; ++dy)
        for (int32_t dx = -3; dx <= 3; ++dx)
            if (dx * dx + dy * dy <= 9) PlotPixel(pixels, 140 + dx, 16 + dy, PackRGBA(255, 0, 0, 255));
}

}  // namespace

void PlotLine(uint32_t* pixels, GridPoint from, GridPoint to, uint32_t colour) {
    const int32_t dx = std::abs(to.x - from.x);
    const int32_t dy = -std::abs(to.y - from.y);
    const int32_t sx = from.x < to.x ? 1 : -1;
    const int32_t sy = from.y < to.y ? 1 : -1;
    int32_t err = dx + dy;
    int32_t x = from.x, y = from.y;
    for (;;) {
        PlotPixel(pixels, x, y, colour);
        if (x == to.x && y == to.y) return;
        const int32_t e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void PlotCornerBrackets(uint32_t* pixels, const GridRect& rect, int32_t length, uint32_t colour) {
    const int32_t left = rect.x, top = rect.y;
    const int32_t right = rect.x + rect.width - 1;
    const int32_t last = rect.y + rect.height - 1;
    PlotLine(pixels, {left, top}, {left + length, top}, colour);
    PlotLine(pixels, {left, top}, {left, top + length}, colour);
    PlotLine(pixels, {right, top}, {right - length, top}, colour);
    PlotLine(pixels, {right, top}, {right, top + length}, colour);
    PlotLine(pixels, {left, last}, {left + length, last}, colour);
    PlotLine(pixels, {left, last}, {left, last - length}, colour);
    PlotLine(pixels, {right, last}, {right - length, last}, colour);
    PlotLine(pixels, {right, last}, {right, last - length}, colour);
}

std::vector<uint32_t> BuildThumbnail() {
    std::vector<uint32_t> picture(kThumbnailPixels, PackRGBA(0, 0, 0, 255));
    uint32_t* pixels = picture.data();
    const uint32_t pink = PackRGBA(255, 0, 128, 255);
    const uint32_t green = PackRGBA(57, 255, 20, 255);
    const uint32_t grey = PackRGBA(80, 80, 80, 255);
    PlotCornerBrackets(pixels, {12, 10, 136, 100}, 18, pink);
    PlotCornerBrackets(pixels, {45, 30, 70, 60}, 10, green);
    PlotScanLine(pixels);
    PlotLine(pixels, {76, 60}, {84, 60}, green);
    PlotLine(pixels, {80, 56}, {80, 64}, green);
    PlotRecordingDot(pixels);
    PlotLine(pixels, {14, 103}, {60, 103}, grey);
    PlotLine(pixels, {100, 103}, {145, 103}, grey);
    return picture;
}
