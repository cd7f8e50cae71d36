#include "tools/hostcli/Picture.h"

#include <cstring>

Picture PictureFromBottomUpRows(int width, int height, const std::vector<uint8_t>& rows) {
    Picture picture{width, height, std::vector<uint8_t>(rows.size())};
    const size_t stride = static_cast<size_t>(width) * 4;
    for (int y = 0; y < height; ++y)
        std::memcpy(picture.rgba.data() + y * stride, rows.data() + (height - 1 - y) * stride, stride);
    return picture;
}

Picture PictureFromPackedWords(int width, int height, const std::vector<uint32_t>& words) {
    Picture picture{width, height, std::vector<uint8_t>(words.size() * 4)};
    for (size_t i = 0; i < words.size(); ++i) {
        const uint32_t word = words[i];
        uint8_t* pixel = picture.rgba.data() + i * 4;
        pixel[0] = static_cast<uint8_t>(word >> 24);
        pixel[1] = static_cast<uint8_t>(word >> 16);
        pixel[2] = static_cast<uint8_t>(word >> 8);
        pixel[3] = static_cast<uint8_t>(word);
    }
    return picture;
}
