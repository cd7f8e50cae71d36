// What the host's two GLX contexts (offscreen and windowed) make the same way.
#pragma once

#include <GL/glx.h>

#include <string>

// An OpenGL 4.1 core context for the configuration, sharing objects with shareWith if given,
// a debug context if asked; null with a reason.
GLXContext CreateCoreContext(Display* display, GLXFBConfig config, bool forwardCompatible, std::string* error,
                             GLXContext shareWith = nullptr, bool debug = false);

// A busy Xvfb now and then refuses a connection for a moment: this tries again briefly.
Display* OpenDisplayPatiently();
