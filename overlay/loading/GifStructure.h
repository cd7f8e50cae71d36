// A walk over a GIF's block structure that takes the same path as stb_image's GIF decoder,
// so the sizes and the number of frames are known before anything is decoded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

struct GifStructure {
    bool isGif = false;   // the six signature bytes are there
    int screenWidth = 0;  // the logical screen, which every decoded frame fills
    int screenHeight = 0;
    int widestFrame = 0;  // the largest image descriptor seen
    int tallestFrame = 0;
    size_t frameCount = 0;         // at most what the decoder will produce
    size_t previousDisposals = 0;  // graphic controls rewritten from "restore to previous"
};

// Reads like the decoder: a byte past the end reads as 0. Stops where the decoder would stop
// (trailer, an unknown block, a frame outside the screen) or once `frameLimit` is passed.
// Every "restore to previous" disposal is rewritten in place to "restore to background":
// stb_image 2.27 restores from memory outside its buffers.
GifStructure WalkGifStructure(std::span<uint8_t> bytes, size_t frameLimit);
