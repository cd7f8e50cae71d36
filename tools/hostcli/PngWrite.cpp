#include "tools/hostcli/PngWrite.h"

#include <climits>

// The one place stb_image_write's implementation is compiled; it is third-party code,
// so its warnings are not ours to fix.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb_image_write.h>

bool WritePng(const std::string& path, int width, int height, const uint8_t* rgbaTopDown) {
    if (rgbaTopDown == nullptr || width <= 0 || height <= 0) return false;
    // The encoder computes the row stride and the whole size in int.
    if (width > INT_MAX / 4 / height) return false;
    return stbi_write_png(path.c_str(), width, height, 4, rgbaTopDown, width * 4) != 0;
}
