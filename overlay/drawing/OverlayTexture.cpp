#include "overlay/drawing/OverlayTexture.h"

#include <GL/glew.h>

uint32_t CreateOverlayTexture(const MipChain& chain, TextureStorage storage) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, static_cast<GLint>(chain.size()) - 1);
    if (storage == TextureStorage::Immutable) {
        glTexStorage2D(GL_TEXTURE_2D, static_cast<GLsizei>(chain.size()), GL_RGBA8, chain[0].size.width,
                       chain[0].size.height);
    } else {
        for (size_t index = 0; index < chain.size(); ++index) {
            const PictureSize size = chain[index].size;
            glTexImage2D(GL_TEXTURE_2D, static_cast<GLint>(index), GL_RGBA8, size.width, size.height, 0, GL_RGBA,
                         GL_UNSIGNED_BYTE, nullptr);
        }
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    return texture;
}

void UploadOverlayRows(uint32_t texture, int index, const MipLevel& level, int firstRow, int rowCount) {
    const size_t rowBytes = static_cast<size_t>(level.size.width) * 4;
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexSubImage2D(GL_TEXTURE_2D, index, 0, firstRow, level.size.width, rowCount, GL_RGBA, GL_UNSIGNED_BYTE,
                    level.pixels.data() + rowBytes * static_cast<size_t>(firstRow));
    glBindTexture(GL_TEXTURE_2D, 0);
}
