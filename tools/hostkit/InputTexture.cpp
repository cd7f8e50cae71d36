#include "tools/hostkit/InputTexture.h"

#include <GL/glew.h>

bool InputTexture::Create(int pictureWidth, int pictureHeight, int textureWidth, int textureHeight,
                          const uint8_t* rgbaTopDown) {
    width = pictureWidth;
    height = pictureHeight;
    hardwareWidth = textureWidth;
    hardwareHeight = textureHeight;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, textureWidth, textureHeight, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    // GL rows run bottom-up: upload the picture's last row first.
    for (int row = 0; row < height; ++row)
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, row, width, 1, GL_RGBA, GL_UNSIGNED_BYTE,
                        rgbaTopDown + static_cast<size_t>(height - 1 - row) * width * 4);
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
