// The plug-in's only door to stb_image, compiled privately in StbImage.cpp with just the
// PNG, BMP, GIF, JPEG and TGA readers and the budgeted allocator. Each decode switches
// vertical flipping on just before and off just after, so rows come bottom row first.
#pragma once

#include <cstddef>
#include <cstdint>

// Width and height a still file declares, without decoding its pixels.
bool StbPictureInfo(const uint8_t* bytes, size_t length, int* width, int* height);

// One picture as 8-bit RGBA, or null.
uint8_t* StbDecodePicture(const uint8_t* bytes, size_t length, int* width, int* height);

// Every frame of a GIF, one after another, with a delay array in milliseconds, or null.
// After a null result *delays must not be freed: the decoder may already have freed it.
uint8_t* StbDecodeGifFrames(const uint8_t* bytes, size_t length, int** delays, int* width, int* height, int* frames);

void StbFree(void* block);
