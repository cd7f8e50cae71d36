// An offscreen OpenGL 4.1 core context for the headless host and the tests; frames are
// drawn into a RenderTarget standing in for the host's output.
#pragma once

#include <memory>
#include <string>

class GlContext;

struct GlContextOptions {
    // Forward-compatible, as some hosts (and every macOS host) give: no line wider than 1.
    bool forwardCompatible = false;
    // Shares textures, buffers, programs and shaders with this context, as hosts with
    // several output windows do; null for a context of its own.
    const GlContext* shareWith = nullptr;
    // A debug context, whose driver may report what it finds through GL's debug output.
    bool debug = false;
};

class GlContext {
public:
    // Creates the context, makes it current and loads the host's GL entry points.
    static std::unique_ptr<GlContext> Create(std::string* error, const GlContextOptions& options = {});
    virtual ~GlContext() = default;
    // Makes this context current again, for hosts that switch between several.
    virtual bool MakeCurrent() = 0;
};
