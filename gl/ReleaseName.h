// The one way a GL name is released: only when one is held, then deleted, then zeroed,
// so that a second release deletes nothing.
#pragma once

#include <GL/glew.h>

#include <cstdint>

template <typename Delete>
void ReleaseName(uint32_t& name, Delete deleteName) {
    if (name == 0) return;
    deleteName(static_cast<GLuint>(name));
    name = 0;
}

inline void ReleaseShader(uint32_t& name) {
    ReleaseName(name, [](GLuint n) { glDeleteShader(n); });
}
inline void ReleaseProgram(uint32_t& name) {
    ReleaseName(name, [](GLuint n) { glDeleteProgram(n); });
}
inline void ReleaseBuffer(uint32_t& name) {
    ReleaseName(name, [](GLuint n) { glDeleteBuffers(1, &n); });
}
inline void ReleaseVertexArray(uint32_t& name) {
    ReleaseName(name, [](GLuint n) { glDeleteVertexArrays(1, &n); });
}
inline void ReleaseFramebuffer(uint32_t& name) {
    ReleaseName(name, [](GLuint n) { glDeleteFramebuffers(1, &n); });
}
inline void ReleaseTexture(uint32_t& name) {
    ReleaseName(name, [](GLuint n) { glDeleteTextures(1, &n); });
}
