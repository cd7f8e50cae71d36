#include "tools/hostcli/FrameTextures.h"

#include <GL/glew.h>

bool FrameTextures::Create(const Picture& picture, int hardwareWidth, int hardwareHeight, int width, int height,
                           std::string* error) {
    if (!input.Create(picture.width, picture.height, hardwareWidth, hardwareHeight, picture.rgba.data())) {
        *error = "cannot create the input texture";
        return false;
    }
    if (!target.Create(width, height)) {
        *error = "cannot create a " + std::to_string(width) + "x" + std::to_string(height) + " output framebuffer";
        return false;
    }
    return true;
}

void FrameTextures::Bind() const {
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glViewport(0, 0, target.width, target.height);
}

void FrameTextures::Release() {
    target.Release();
    input.Release();
}
