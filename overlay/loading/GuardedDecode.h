// Overlay files in, RGBA pixels out, with no GL: the decoder only ever sees files that
// passed the size, structure and memory checks here. Rows come top row first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "overlay/loading/DecodeBudget.h"
#include "overlay/loading/GifStructure.h"

class StbGifDecoder;

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

// The pixels a still file declares, read from its header alone; 0 when it declares none
// that could be decoded.
size_t DeclaredPixels(const std::vector<uint8_t>& bytes);

// A GIF decoded one frame per call, so that a loading thread can put it aside between
// frames and another take it up. Its budget is held on the account in use when it was
// made, and every call must run with that account in use. Takes the bytes by value: the
// structure check rewrites them.
class AnimationDecode {
public:
    explicit AnimationDecode(std::vector<uint8_t> file);
    ~AnimationDecode();
    AnimationDecode(const AnimationDecode&) = delete;
    AnimationDecode& operator=(const AnimationDecode&) = delete;

    // Decodes the next frame and hands it to `visit`; false once there is none, the
    // decode failed or was called off, or `visit` returned false.
    bool Next(const AnimationFrameVisitor& visit);
    // What it found so far; complete once every frame was decoded and accepted.
    const DecodedAnimation& Outline() const { return outline; }
    // The pixels of the screen each frame fills.
    size_t FramePixels() const { return size_t(gif.screenWidth) * size_t(gif.screenHeight); }

private:
    std::vector<uint8_t> bytes;
    GifStructure gif;
    DecodedAnimation outline;
    std::optional<ScopedDecodeBudget> budget;
    std::unique_ptr<StbGifDecoder> decoder;  // null once the decode is over
};

// The frames of a GIF one at a time, each handed to `visit` before the next is decoded.
DecodedAnimation DecodeAnimation(std::vector<uint8_t> bytes, const AnimationFrameVisitor& visit);
