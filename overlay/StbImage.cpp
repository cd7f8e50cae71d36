#include "overlay/StbImage.h"

#include "overlay/DecodeBudget.h"
#include "overlay/OverlayLimits.h"

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_NO_STDIO
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_ONLY_GIF
#define STBI_ONLY_JPEG
#define STBI_ONLY_TGA
// Far above the overlay limit, so that stbi_info reports what a file claims and the caller
// refuses it by name; the decoder keeps this as its own last line.
#define STBI_MAX_DIMENSIONS (1 << 24)
#define STBI_MALLOC(bytes) BudgetedAllocate(bytes)
#define STBI_REALLOC(block, bytes) BudgetedReallocate(block, bytes)
#define STBI_FREE(block) BudgetedFree(block)
#include <stb_image.h>

namespace {

// Callers keep files far below this; the decoder counts lengths in int.
int DecoderLength(size_t length) { return length > kMaxOverlayFileBytes ? 0 : static_cast<int>(length); }

}  // namespace

bool StbPictureInfo(const uint8_t* bytes, size_t length, int* width, int* height) {
    int channels = 0;
    return stbi_info_from_memory(bytes, DecoderLength(length), width, height, &channels) != 0;
}

uint8_t* StbDecodePicture(const uint8_t* bytes, size_t length, int* width, int* height) {
    int channels = 0;
    stbi_set_flip_vertically_on_load(1);
    uint8_t* pixels = stbi_load_from_memory(bytes, DecoderLength(length), width, height, &channels, 4);
    stbi_set_flip_vertically_on_load(0);
    return pixels;
}

uint8_t* StbDecodeGifFrames(const uint8_t* bytes, size_t length, int** delays, int* width, int* height, int* frames) {
    int channels = 0;
    // The decoder flips even after a failure, reading these: they must hold zeros then.
    *delays = nullptr;
    *width = *height = *frames = 0;
    stbi_set_flip_vertically_on_load(1);
    uint8_t* pixels =
        stbi_load_gif_from_memory(bytes, DecoderLength(length), delays, width, height, frames, &channels, 4);
    stbi_set_flip_vertically_on_load(0);
    return pixels;
}

void StbFree(void* block) { stbi_image_free(block); }
