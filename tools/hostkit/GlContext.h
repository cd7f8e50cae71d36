// An offscreen OpenGL 4.1 core context for the headless host and the tests; frames are
// drawn into a RenderTarget standing in for the host's output.
#pragma once

#include <memory>
#include <string>

class GlContext {
public:
    // Creates the context, makes it current and loads the host's GL entry points.
    static std::unique_ptr<GlContext> Create(std::string* error);
    virtual ~GlContext() = default;
};
