// The plug-in's only door to stb_image, compiled privately in StbImage.cpp with just the
// PNG, BMP, GIF, JPEG and TGA readers and the budgeted allocator. Rows come top row first;
// whoever keeps the picture turns it over, so no decoder-wide flip switch is shared
// between the threads that decode.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// Width and height a still file declares, without decoding its pixels.
bool StbPictureInfo(const uint8_t* bytes, size_t length, int* width, int* height);

// One picture as 8-bit RGBA, or null.
uint8_t* StbDecodePicture(const uint8_t* bytes, size_t length, int* width, int* height);

void StbFree(void* block);

// A GIF decoded one frame at a time: the decoder keeps only the screen it composes the
// frames on, never the whole animation. The bytes must outlive the decoder.
class StbGifDecoder {
public:
    StbGifDecoder(const uint8_t* bytes, size_t length);
    ~StbGifDecoder();
    StbGifDecoder(const StbGifDecoder&) = delete;
    StbGifDecoder& operator=(const StbGifDecoder&) = delete;

    // The next frame as the screen shows it, RGBA, Width() x Height(); null after the
    // last frame or on a failure. Valid until the next call.
    const uint8_t* Next(int* delayMs);
    int Width() const;
    int Height() const;

private:
    struct State;
    std::unique_ptr<State> state;
};
