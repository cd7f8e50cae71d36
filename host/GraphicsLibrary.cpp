#include "host/GraphicsLibrary.h"

#include <GL/glew.h>

namespace {
bool graphicsLibraryTried = false;
bool graphicsLibraryReady = false;
}  // namespace

bool EnsureGraphicsLibrary() {
    if (graphicsLibraryTried) return graphicsLibraryReady;
    graphicsLibraryTried = true;
    // Core profiles need it: without it GLEW skips entry points it finds no extension for.
    glewExperimental = GL_TRUE;
    graphicsLibraryReady = glewInit() == GLEW_OK;
    return graphicsLibraryReady;
}
