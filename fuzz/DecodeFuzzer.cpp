// libFuzzer entry: any bytes through both guarded decodes, the way an overlay file goes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "overlay/GuardedDecode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    const DecodedPicture picture = DecodePicture(bytes);
    if (picture.pixels && (picture.width <= 0 || picture.height <= 0)) __builtin_trap();
    const DecodedAnimation animation = DecodeAnimation(bytes);
    if (animation.pixels && animation.delays.size() != static_cast<size_t>(animation.frameCount)) __builtin_trap();
    return 0;
}
