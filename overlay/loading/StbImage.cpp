#include "overlay/loading/StbImage.h"

#include <cassert>
#include <memory>

#include "overlay/loading/DecodeBudget.h"
#include "overlay/loading/OverlayLimits.h"

namespace {

struct DecodeCalledOff {};

// Armed only around a still decode, whose blocks are all freed when it is called off.
thread_local bool cancelPointsArmed = false;

void CancelPoint() {
    if (cancelPointsArmed && DecodeCancelled()) throw DecodeCalledOff{};
}

}  // namespace

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
// The decoder's assertions sit in its inner loops (Huffman decoding, row unfiltering), so
// they double as the points where a decode that was called off stops.
#define STBI_ASSERT(x) (assert(x), CancelPoint())
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
    const uint64_t mark = DecoderBlockMark();
    uint8_t* pixels = nullptr;
    cancelPointsArmed = true;
    try {
        pixels = stbi_load_from_memory(bytes, DecoderLength(length), width, height, &channels, 4);
    } catch (const DecodeCalledOff&) {
        // The decoder's frames hold nothing that needs unwinding but its blocks.
        FreeDecoderBlocksSince(mark);
    }
    cancelPointsArmed = false;
    return pixels;
}

void StbFree(void* block) { stbi_image_free(block); }

struct StbGifDecoder::State {
    stbi__context context{};
    stbi__gif gif{};
    bool isGif = false;
    bool finished = false;
};

StbGifDecoder::StbGifDecoder(const uint8_t* bytes, size_t length) : state(std::make_unique<State>()) {
    stbi__start_mem(&state->context, bytes, DecoderLength(length));
    state->isGif = stbi__gif_test(&state->context) != 0;
}

StbGifDecoder::~StbGifDecoder() {
    STBI_FREE(state->gif.out);
    STBI_FREE(state->gif.history);
    STBI_FREE(state->gif.background);
}

const uint8_t* StbGifDecoder::Next(int* delayMs) {
    if (!state->isGif || state->finished) return nullptr;
    // The decoder makes its three buffers together and, when one fails, ends the stream;
    // a half-made set never reaches it again.
    const stbi__gif& gif = state->gif;
    if (gif.out && (!gif.background || !gif.history)) return nullptr;
    int channels = 0;
    // "Restore to previous" reads the frame two back; the structure walk has rewritten every
    // such disposal, and the background is a buffer of the right size should one remain.
    stbi_uc* frame = stbi__gif_load_next(&state->context, &state->gif, &channels, 4, state->gif.background);
    if (!frame || frame == reinterpret_cast<stbi_uc*>(&state->context)) {
        state->finished = true;
        return nullptr;
    }
    *delayMs = state->gif.delay;
    return frame;
}

int StbGifDecoder::Width() const { return state->gif.w; }
int StbGifDecoder::Height() const { return state->gif.h; }
