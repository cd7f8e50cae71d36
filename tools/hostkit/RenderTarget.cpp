#include "tools/hostkit/RenderTarget.h"

#include <GL/glew.h>

namespace {

GLint InternalFormat(TargetFormat format) {
    switch (format) {
        case TargetFormat::Rgba16F: return GL_RGBA16F;
        case TargetFormat::Rgba32F: return GL_RGBA32F;
        default: return GL_RGBA8;
    }
}

}  // namespace

bool RenderTarget::Create(int w, int h, TargetFormat targetFormat) {
    width = w;
    height = h;
    format = targetFormat;
    glGenTextures(1, &colorTexture);
    glBindTexture(GL_TEXTURE_2D, colorTexture);
    glTexImage2D(GL_TEXTURE_2D, 0, InternalFormat(format), w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colorTexture, 0);
    const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glViewport(0, 0, w, h);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    return complete;
}

void RenderTarget::Release() {
    if (framebuffer) glDeleteFramebuffers(1, &framebuffer);
    if (colorTexture) glDeleteTextures(1, &colorTexture);
    framebuffer = 0;
    colorTexture = 0;
}

std::vector<uint8_t> RenderTarget::ReadPixels() const {
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

std::vector<float> RenderTarget::ReadFloatPixels() const {
    std::vector<float> pixels(static_cast<size_t>(width) * height * 4);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_FLOAT, pixels.data());
    return pixels;
}
