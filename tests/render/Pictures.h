// Plain RGBA8 pictures for input textures, top row first, and a GL state reader.
#pragma once

#include <GL/glew.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace render_test {

inline std::vector<uint8_t> SolidPicture(int width, int height, uint8_t r, uint8_t g, uint8_t b) {
    std::vector<uint8_t> picture(static_cast<size_t>(width) * height * 4);
    for (size_t i = 0; i < picture.size(); i += 4) {
        picture[i] = r;
        picture[i + 1] = g;
        picture[i + 2] = b;
        picture[i + 3] = 255;
    }
    return picture;
}

inline GLint Integer(GLenum name) {
    GLint value = -1;
    glGetIntegerv(name, &value);
    return value;
}

}  // namespace render_test
