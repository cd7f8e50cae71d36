#include "tools/hostkit/InputTexture.h"

#include <GL/glew.h>

bool InputTexture::Create(int w, int h, int hw, int hh, const uint8_t* rgbaTopDown) {
    width = w;
    height = h;
    hardwareWidth = hw;
    hardwareHeight = hh;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, hw, hh, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    // GL rows run bottom-up: upload the picture's last row first.
    for (int row = 0; row < h; ++row)
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, row, w, 1, GL_RGBA, GL_UNSIGNED_BYTE,
                        rgbaTopDown + static_cast<size_t>(h - 1 - row) * w * 4);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glBindTexture(GL_TEXTURE_2D, 0);
    return texture != 0;
}

void InputTexture::Release() {
    if (texture) glDeleteTextures(1, &texture);
    texture = 0;
}
