// Counts the plug-in's draw calls by interposing the two OpenGL 1.1 draw functions: the
// executable exports them (see tools/CMakeLists.txt), so a library loaded later binds its
// calls here, and each call is passed on to the system's OpenGL library. Draws made
// through GLEW's function pointers (instanced and multi-draws) are not counted.
#include <dlfcn.h>

#include <GL/gl.h>

#include "tools/commands/DrawCallCounter.h"

namespace {

uint64_t drawCalls = 0;

template <typename Function>
Function NextDefinition(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" __attribute__((visibility("default"))) void glDrawArrays(GLenum mode, GLint first, GLsizei count) {
    using Function = void (*)(GLenum, GLint, GLsizei);
    static const Function next = NextDefinition<Function>("glDrawArrays");
    ++drawCalls;
    if (next) next(mode, first, count);
}

extern "C" __attribute__((visibility("default"))) void glDrawElements(GLenum mode, GLsizei count, GLenum type,
                                                                      const void* indices) {
    using Function = void (*)(GLenum, GLsizei, GLenum, const void*);
    static const Function next = NextDefinition<Function>("glDrawElements");
    ++drawCalls;
    if (next) next(mode, count, type, indices);
}

uint64_t DrawCallCount() { return drawCalls; }
bool DrawCallsCounted() { return true; }
