#include "host/Thumbnail.h"

#include <cstdlib>
#include <utility>

namespace {

const ThumbnailImage* registeredThumbnail = nullptr;

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

// Built at library load; the exit handler destroys it at unload.
const ThumbnailImage thumbnail(kThumbnailWidth, kThumbnailHeight, BuildThumbnail());

}  // namespace

void PlotLine(uint32_t* pixels, int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t r, uint8_t g, uint8_t b,
              uint8_t a) {
    const uint32_t colour = PackRGBA(r, g, b, a);
    const int32_t dx = std::abs(x1 - x0);
    const int32_t dy = -std::abs(y1 - y0);
    const int32_t sx = x0 < x1 ? 1 : -1;
    const int32_t sy = y0 < y1 ? 1 : -1;
    int32_t err = dx + dy;
    int32_t x = x0, y = y0;
    for (;;) {
        PlotPixel(pixels, x, y, colour);
        if (x == x1 && y == y1) return;
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

void PlotCornerBrackets(uint32_t* pixels, int32_t x, int32_t y, int32_t width, int32_t height, int32_t length,
                        uint8_t r, uint8_t g, uint8_t b) {
    const int32_t right = x + width - 1;
    const int32_t last = y + height - 1;
    PlotLine(pixels, x, y, x + length, y, r, g, b, 255);
    PlotLine(pixels, x, y, x, y + length, r, g, b, 255);
    PlotLine(pixels, right, y, right - length, y, r, g, b, 255);
    PlotLine(pixels, right, y, right, y + length, r, g, b, 255);
    PlotLine(pixels, x, last, x + length, last, r, g, b, 255);
    PlotLine(pixels, x, last, x, last - length, r, g, b, 255);
    PlotLine(pixels, right, last, right - length, last, r, g, b, 255);
    PlotLine(pixels, right, last, right, last - length, r, g, b, 255);
}

std::vector<uint32_t> BuildThumbnail() {
    std::vector<uint32_t> picture(kThumbnailWidth * kThumbnailHeight, PackRGBA(0, 0, 0, 255));
    uint32_t* pixels = picture.data();
    PlotCornerBrackets(pixels, 12, 10, 136, 100, 18, 255, 0, 128);
    PlotCornerBrackets(pixels, 45, 30, 70, 60, 10, 57, 255, 20);
    PlotScanLine(pixels);
    PlotLine(pixels, 76, 60, 84, 60, 57, 255, 20, 255);
    PlotLine(pixels, 80, 56, 80, 64, 57, 255, 20, 255);
    PlotRecordingDot(pixels);
    PlotLine(pixels, 14, 103, 60, 103, 80, 80, 80, 255);
    PlotLine(pixels, 100, 103, 145, 103, 80, 80, 80, 255);
    return picture;
}

ThumbnailImage::ThumbnailImage(int32_t w, int32_t h, std::vector<uint32_t> words)
    : width(w), height(h), pixels(std::move(words)) {
    pixels.resize(static_cast<size_t>(w > 0 ? w : 0) * static_cast<size_t>(h > 0 ? h : 0));
    registeredThumbnail = this;
}

ThumbnailImage::~ThumbnailImage() {
    if (registeredThumbnail == this) registeredThumbnail = nullptr;
}

const ThumbnailImage* RegisteredThumbnail() { return registeredThumbnail; }
