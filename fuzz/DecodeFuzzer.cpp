// libFuzzer entry: any bytes through both guarded decodes, the way an overlay file goes,
// each picture and frame then fitted and cut into texture levels.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "overlay/PictureScale.h"
#include "overlay/loading/GuardedDecode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    const DecodedPicture picture = DecodePicture(bytes);
    if (picture.pixels && (picture.width <= 0 || picture.height <= 0)) __builtin_trap();
    if (picture.pixels &&
        MakeMipChain(picture.pixels.get(), {picture.width, picture.height}, kMaxTextureSide).back().size.width != 1)
        __builtin_trap();
    int frames = 0;
    const DecodedAnimation animation = DecodeAnimation(bytes, [&](const uint8_t* pixels, int width, int height, int) {
        ++frames;
        return !MakeMipChain(pixels, {width, height}, kMaxTextureSide).empty();
    });
    if (animation.complete && animation.frameCount != frames) __builtin_trap();
    return 0;
}
