// Overlay files in, RGBA pixels out, with no GL: the decoder only ever sees files that
// passed the size, structure and memory checks here. Rows come top row first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct DecoderBlockFree {
    void operator()(uint8_t* block) const;
};
using DecodedPixels = std::unique_ptr<uint8_t, DecoderBlockFree>;

struct DecodedPicture {
    DecodedPixels pixels;  // width * height * 4 bytes, top row first; null on failure
    int width = 0;
    int height = 0;
    std::string refusal;  // why the checks turned the file down; empty when the decoder failed
};

// What a GIF decode found: the screen every frame fills and how many frames it handed on.
struct DecodedAnimation {
    int width = 0;
    int height = 0;
    int frameCount = 0;
    bool complete = false;  // every frame was decoded and accepted; false on any failure
    std::string refusal;
};

// Takes each frame, RGBA top row first, the size of the screen, with its delay in
// milliseconds as the file gives it. Returning false stops the decode: the animation is
// then not complete.
using AnimationFrameVisitor = std::function<bool(const uint8_t* pixels, int width, int height, int delayMs)>;

// Why a file of `length` bytes is too big to decode; empty when it is within the limit.
std::string FileSizeRefusal(size_t length);

// The bytes of one decoded RGBA frame.
inline size_t FrameBytes(int width, int height) { return size_t(width) * size_t(height) * 4; }

// A still picture in any of the supported formats, top row first.
DecodedPicture DecodePicture(std::vector<uint8_t> bytes);

// The frames of a GIF one at a time, each handed to `visit` before the next is decoded.
// Takes the bytes by value: the structure check rewrites them.
DecodedAnimation DecodeAnimation(std::vector<uint8_t> bytes, const AnimationFrameVisitor& visit);
