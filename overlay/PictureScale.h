// Pictures sized for what is drawn: the overlay's longer side spans at most 0.16 of the
// output's longer side, and a texture twice that size gives trilinear filtering all the
// detail it can show. 2048 pixels, enough for 12K-wide outputs, is the ceiling. Pure
// functions on RGBA pixels; area averaging weighted by alpha, so transparent pixels lend
// no colour to their neighbours.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int kMaxTextureSide = 2048;

// The longer side a picture's texture needs on an output whose longer side is
// `outputSide` pixels; the ceiling when the output is not known (0).
int TextureSideFor(int outputSide);

struct PictureSize {
    int width = 0;
    int height = 0;
    bool operator==(const PictureSize&) const = default;
};

// The size within `maxSide` on the longer side, keeping the aspect; never below 1 x 1.
PictureSize FitWithin(PictureSize size, int maxSide);

// One level of a texture: RGBA, bottom row first, as GL takes it.
struct MipLevel {
    PictureSize size;
    std::vector<uint8_t> pixels;
};

// Every level a texture needs, from the largest down to 1 x 1.
using MipChain = std::vector<MipLevel>;

size_t ChainBytes(const MipChain& chain);

// Averages `source` (top row first) over the area each pixel of `size` covers and writes
// it bottom row first. Returns an empty level when `cancelled` is set on the way.
MipLevel ScaleTurnedOver(const uint8_t* source, PictureSize sourceSize, PictureSize size,
                         const std::atomic<bool>* cancelled = nullptr);

// The picture as a texture's levels: fitted within `maxSide`, turned bottom row first,
// then halved down to 1 x 1. Empty when cancelled.
MipChain MakeMipChain(const uint8_t* source, PictureSize sourceSize, int maxSide,
                      const std::atomic<bool>* cancelled = nullptr);
