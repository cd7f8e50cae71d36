// Overlay files in, RGBA pixels out, with no GL: the decoder only ever sees files that
// passed the size, structure and memory checks here. Rows come bottom row first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct DecoderBlockFree {
    void operator()(uint8_t* block) const;
};
using DecodedPixels = std::unique_ptr<uint8_t, DecoderBlockFree>;

struct DecodedPicture {
    DecodedPixels pixels;  // width * height * 4 bytes; null on failure
    int width = 0;
    int height = 0;
    std::string refusal;  // why the checks turned the file down; empty when the decoder failed
};

struct DecodedAnimation {
    DecodedPixels pixels;     // frameCount frames of width * height * 4 bytes; null on failure
    std::vector<int> delays;  // milliseconds per frame, as the file gives them
    int width = 0;
    int height = 0;
    int frameCount = 0;
    std::string refusal;
};

// Why a file of `length` bytes is too big to decode; empty when it is within the limit.
std::string FileSizeRefusal(size_t length);

// The bytes of one decoded RGBA frame.
inline size_t FrameBytes(int width, int height) { return size_t(width) * size_t(height) * 4; }

// A still picture in any of the supported formats.
DecodedPicture DecodePicture(std::vector<uint8_t> bytes);

// Every frame of a GIF. Takes the bytes by value: the structure check rewrites them.
DecodedAnimation DecodeAnimation(std::vector<uint8_t> bytes);
