#include "gl/Scoped.h"

#include <GL/glew.h>

namespace ffglex {

ScopedBufferBinding::ScopedBufferBinding(uint32_t bufferTarget, uint32_t buffer) : target(bufferTarget), bound(true) {
    glBindBuffer(target, buffer);
}

ScopedBufferBinding::~ScopedBufferBinding() { EndScope(); }

void ScopedBufferBinding::EndScope() {
    if (!bound) return;
    glBindBuffer(target, 0);
    bound = false;
}

ScopedVBOBinding::ScopedVBOBinding(uint32_t buffer) : ScopedBufferBinding(GL_ARRAY_BUFFER, buffer) {}

ScopedTextureBinding::ScopedTextureBinding(uint32_t textureTarget, uint32_t texture)
    : target(textureTarget), bound(true) {
    glBindTexture(target, texture);
}

ScopedTextureBinding::~ScopedTextureBinding() { EndScope(); }

void ScopedTextureBinding::EndScope() {
    if (!bound) return;
    glBindTexture(target, 0);
    bound = false;
}

Scoped2DTextureBinding::Scoped2DTextureBinding(uint32_t texture) : ScopedTextureBinding(GL_TEXTURE_2D, texture) {}

}  // namespace ffglex

ScopedProgramUse::ScopedProgramUse(uint32_t program) : bound(true) { glUseProgram(program); }

ScopedProgramUse::~ScopedProgramUse() { EndScope(); }

void ScopedProgramUse::EndScope() {
    if (!bound) return;
    glUseProgram(0);
    bound = false;
}

ScopedActiveTextureUnit::ScopedActiveTextureUnit(uint32_t unit) : bound(true) { glActiveTexture(GL_TEXTURE0 + unit); }

ScopedActiveTextureUnit::~ScopedActiveTextureUnit() { EndScope(); }

void ScopedActiveTextureUnit::EndScope() {
    if (!bound) return;
    glActiveTexture(GL_TEXTURE0);
    bound = false;
}

ScopedVertexArrayBinding::ScopedVertexArrayBinding(uint32_t vertexArray) : bound(true) {
    glBindVertexArray(vertexArray);
}

ScopedVertexArrayBinding::~ScopedVertexArrayBinding() { EndScope(); }

void ScopedVertexArrayBinding::EndScope() {
    if (!bound) return;
    glBindVertexArray(0);
    bound = false;
}
