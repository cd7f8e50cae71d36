#include "gl/ContextLimits.h"

#include <GL/glew.h>

#include <algorithm>

bool ContextDrawsWideLines() {
    GLint flags = 0;
    glGetIntegerv(GL_CONTEXT_FLAGS, &flags);
    if (flags & GL_CONTEXT_FLAG_FORWARD_COMPATIBLE_BIT) return false;
    GLfloat range[2] = {1.0f, 1.0f};
    glGetFloatv(GL_ALIASED_LINE_WIDTH_RANGE, range);
    return range[1] >= 2.0f;
}

ViewportSize CurrentViewportSize() {
    GLint viewport[4] = {0, 0, 1, 1};
    glGetIntegerv(GL_VIEWPORT, viewport);
    return {static_cast<float>(std::max(viewport[2], 1)), static_cast<float>(std::max(viewport[3], 1))};
}
