// Counts the GL objects alive in the current context by asking glIs* about every name
// up to a limit. Plug-ins reach GL through glXGetProcAddress or wglGetProcAddress, so
// their glGen* calls cannot be interposed; scanning sees every object whoever made it.
#pragma once

#include <array>
#include <string>

struct GlNameCounts {
    // Textures, buffers, vertex arrays, framebuffers, renderbuffers, programs, shaders.
    std::array<long, 7> alive{};
};

// Scans names 1 to a limit above every name the context has handed out so far.
GlNameCounts CountLiveGlNames();

// "3 textures and 1 buffer", for counts in `after` above those in `before`; empty when none.
std::string GrowthText(const GlNameCounts& before, const GlNameCounts& after);
