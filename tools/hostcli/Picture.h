// An 8-bit RGBA picture in memory, top row first: the one picture type of the headless
// host (input pictures, the test card, read-back frames, thumbnails).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;  // width * height * 4 bytes

    const uint8_t* At(int x, int y) const { return rgba.data() + (static_cast<size_t>(y) * width + x) * 4; }
};

// GL reads rows bottom-up; pictures and PNG files run top-down.
Picture PictureFromBottomUpRows(int width, int height, const std::vector<uint8_t>& rows);

// Unpacks thumbnail words (r << 24 | g << 16 | b << 8 | a) into RGBA bytes.
Picture PictureFromPackedWords(int width, int height, const std::vector<uint32_t>& words);
