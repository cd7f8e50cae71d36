// The plug-in's 160 x 120 preview picture, drawn once at library load with a few
// integer routines and handed to the host on request.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int kThumbnailWidth = 160;
constexpr int kThumbnailHeight = 120;
constexpr size_t kThumbnailPixels = size_t{kThumbnailWidth} * kThumbnailHeight;

// (r << 24) | (g << 16) | (b << 8) | a, stored in native byte order.
constexpr uint32_t PackRGBA(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    return (uint32_t{r} << 24) | (uint32_t{g} << 16) | (uint32_t{b} << 8) | uint32_t{a};
}

struct GridPoint {
    int32_t x, y;
};

struct GridRect {
    int32_t x, y, width, height;
};

// Bresenham line on the 160 x 120 grid, both ends drawn; points off the grid are skipped.
void PlotLine(uint32_t* pixels, GridPoint from, GridPoint to, uint32_t colour);
// Four L-shaped marks at the corners of the rectangle, each arm length + 1 pixels.
void PlotCornerBrackets(uint32_t* pixels, const GridRect& rect, int32_t length, uint32_t colour);
// The picture: row 0 first, 19200 words.
std::vector<uint32_t> BuildThumbnail();

class ThumbnailImage {
public:
    // Takes over the words, sized to w x h, and registers itself.
    ThumbnailImage(int32_t w, int32_t h, std::vector<uint32_t> words);
    ~ThumbnailImage();
    ThumbnailImage(const ThumbnailImage&) = delete;
    ThumbnailImage& operator=(const ThumbnailImage&) = delete;

    int32_t width;
    int32_t height;
    std::vector<uint32_t> pixels;
};

// Null until the picture is registered.
const ThumbnailImage* RegisteredThumbnail();
