// The preview picture the host may ask for (code 42): packed 32-bit pixels, row 0 first.
// The plug-in hands its picture over at library load; nothing here knows what it shows.
#pragma once

#include <cstdint>
#include <vector>

// (r << 24) | (g << 16) | (b << 8) | a, stored in native byte order: the words the host copies.
constexpr uint32_t PackRGBA(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    return (uint32_t{r} << 24) | (uint32_t{g} << 16) | (uint32_t{b} << 8) | uint32_t{a};
}

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
