#include "gl/ContextLimits.h"

#include <GL/glew.h>

#include <algorithm>
#include <cstring>

bool ContextDrawsWideLines() {
    GLint flags = 0;
    glGetIntegerv(GL_CONTEXT_FLAGS, &flags);
    if (flags & GL_CONTEXT_FLAG_FORWARD_COMPATIBLE_BIT) return false;
    GLfloat range[2] = {1.0f, 1.0f};
    glGetFloatv(GL_ALIASED_LINE_WIDTH_RANGE, range);
    return range[1] >= 2.0f;
}

bool ContextHasTextureStorage() {
    if (!glTexStorage2D) return false;
    GLint major = 0, minor = 0;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    if (major > 4 || (major == 4 && minor >= 2)) return true;
    GLint count = 0;
    glGetIntegerv(GL_NUM_EXTENSIONS, &count);
    for (GLint i = 0; i < count; ++i) {
        const auto* name = reinterpret_cast<const char*>(glGetStringi(GL_EXTENSIONS, static_cast<GLuint>(i)));
        if (name && std::strcmp(name, "GL_ARB_texture_storage") == 0) return true;
    }
    return false;
}

ViewportSize CurrentViewportSize() {
    const ViewportRect viewport = CurrentViewport();
    return {static_cast<float>(std::max(viewport.width, 1)), static_cast<float>(std::max(viewport.height, 1))};
}

ViewportRect CurrentViewport() {
    GLint viewport[4] = {0, 0, 1, 1};
    glGetIntegerv(GL_VIEWPORT, viewport);
    return {viewport[0], viewport[1], viewport[2], viewport[3]};
}

bool ContextCompilesInParallel() {
    GLint count = 0;
    glGetIntegerv(GL_NUM_EXTENSIONS, &count);
    for (GLint i = 0; i < count; ++i) {
        const auto* name = reinterpret_cast<const char*>(glGetStringi(GL_EXTENSIONS, static_cast<GLuint>(i)));
        if (name && (std::strcmp(name, "GL_KHR_parallel_shader_compile") == 0 ||
                     std::strcmp(name, "GL_ARB_parallel_shader_compile") == 0))
            return true;
    }
    return false;
}
