#include "gl/ScratchTarget.h"

#include <GL/glew.h>

#include "gl/ReleaseName.h"

namespace {

uint32_t MakeTexture(int side) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, side, side, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glBindTexture(GL_TEXTURE_2D, 0);
    return texture;
}

}  // namespace

bool ScratchTarget::Create() {
    Release();
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &host.drawFramebuffer);
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &host.readFramebuffer);
    glGetIntegerv(GL_VIEWPORT, host.viewport);
    host.blend = glIsEnabled(GL_BLEND) == GL_TRUE;
    glGetIntegerv(GL_BLEND_SRC_RGB, &host.blendFactors[0]);
    glGetIntegerv(GL_BLEND_DST_RGB, &host.blendFactors[1]);
    glGetIntegerv(GL_BLEND_SRC_ALPHA, &host.blendFactors[2]);
    glGetIntegerv(GL_BLEND_DST_ALPHA, &host.blendFactors[3]);
    saved = true;

    colour = MakeTexture(kSide);
    picture = MakeTexture(kPictureSide);
    powerOfTwo = MakeTexture(kPowerOfTwoSide);
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colour, 0);
    glViewport(0, 0, kSide, kSide);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE) return true;
    Release();
    return false;
}

void ScratchTarget::Release() {
    if (saved) {
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(host.drawFramebuffer));
        glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(host.readFramebuffer));
        glViewport(host.viewport[0], host.viewport[1], host.viewport[2], host.viewport[3]);
        if (host.blend)
            glEnable(GL_BLEND);
        else
            glDisable(GL_BLEND);
        glBlendFuncSeparate(static_cast<GLenum>(host.blendFactors[0]), static_cast<GLenum>(host.blendFactors[1]),
                            static_cast<GLenum>(host.blendFactors[2]), static_cast<GLenum>(host.blendFactors[3]));
        saved = false;
    }
    ReleaseFramebuffer(framebuffer);
    ReleaseTexture(colour);
    ReleaseTexture(picture);
    ReleaseTexture(powerOfTwo);
}
