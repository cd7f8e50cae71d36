// The plug-in's 160 x 120 preview picture, drawn once at library load with a few
// integer routines and handed to the host on request.
#pragma once

#include <cstdint>
#include <vector>

constexpr int kThumbnailWidth = 160;
constexpr int kThumbnailHeight = 120;

// (r << 24) | (g << 16) | (b << 8) | a, stored in native byte order.
constexpr uint32_t PackRGBA(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    return (uint32_t{r} << 24) | (uint32_t{g} << 16) | (uint32_t{b} << 8) | uint32_t{a};
}

// Bresenham line on the 160 x 120 grid, both ends drawn; points off the grid are skipped.
void PlotLine(uint32_t* pixels, int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t r, uint8_t g, uint8_t b,
              uint8_t a);
// Four opaque L-shaped marks at the corners of the rectangle, each arm length + 1 pixels.
void PlotCornerBrackets(uint32_t* pixels, int32_t x, int32_t y, int32_t width, int32_t height, int32_t length,
                        uint8_t r, uint8_t g, uint8_t b);
// The picture: row 0 first, 19200 words.
std::vector<uint32_t> BuildThumbnail();

class ThumbnailImage {
public:
    // Takes over the pixels, sized to width x height, and registers itself.
    ThumbnailImage(int32_t width, int32_t height, std::vector<uint32_t> pixels);
    ~ThumbnailImage();
    ThumbnailImage(const ThumbnailImage&) = delete;
    ThumbnailImage& operator=(const ThumbnailImage&) = delete;

    int32_t width;
    int32_t height;
    std::vector<uint32_t> pixels;
};

// Null until the picture is registered.
const ThumbnailImage* RegisteredThumbnail();
