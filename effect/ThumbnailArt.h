// The effect's 160 x 120 preview picture, a stylised surveillance view drawn with a few
// integer routines; the registration hands it to the host interface at library load.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int kThumbnailWidth = 160;
constexpr int kThumbnailHeight = 120;
constexpr size_t kThumbnailPixels = size_t{kThumbnailWidth} * kThumbnailHeight;

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
// The picture: row 0 first, 19200 words of PackRGBA.
std::vector<uint32_t> BuildThumbnail();
