#include "tools/validate/GlNames.h"

#include "tools/validate/GlAudit.h"

#include <GL/glew.h>

#include <algorithm>
#include <vector>

namespace {

constexpr const char* kKinds[7][2] = {{"texture", "textures"},
                                      {"buffer", "buffers"},
                                      {"vertex array", "vertex arrays"},
                                      {"framebuffer", "framebuffers"},
                                      {"renderbuffer", "renderbuffers"},
                                      {"program", "programs"},
                                      {"shader", "shaders"}};
// Names are small numbers that drivers hand out in order and reuse; scan well past the
// newest one, and never fewer than this.
constexpr GLuint kLeastScan = 4096;
constexpr GLuint kMostScan = 1u << 20;

// The name a new object of each kind gets now: a bound on the names in use.
GLuint NewestName() {
    GLuint texture = 0, buffer = 0, vertexArray = 0, framebuffer = 0, renderbuffer = 0;
    glGenTextures(1, &texture);
    glGenBuffers(1, &buffer);
    glGenVertexArrays(1, &vertexArray);
    glGenFramebuffers(1, &framebuffer);
    glGenRenderbuffers(1, &renderbuffer);
    const GLuint program = glCreateProgram();
    GLuint newest = std::max({texture, buffer, vertexArray, framebuffer, renderbuffer, program});
    glDeleteTextures(1, &texture);
    glDeleteBuffers(1, &buffer);
    glDeleteVertexArrays(1, &vertexArray);
    glDeleteFramebuffers(1, &framebuffer);
    glDeleteRenderbuffers(1, &renderbuffer);
    glDeleteProgram(program);
    return newest;
}

}  // namespace

GlNameCounts CountLiveGlNames() {
    const GLuint limit = std::min(kMostScan, std::max(kLeastScan, NewestName() * 2));
    GlNameCounts counts;
    for (GLuint name = 1; name <= limit; ++name) {
        counts.alive[0] += glIsTexture(name);
        counts.alive[1] += glIsBuffer(name);
        counts.alive[2] += glIsVertexArray(name);
        counts.alive[3] += glIsFramebuffer(name);
        counts.alive[4] += glIsRenderbuffer(name);
        counts.alive[5] += glIsProgram(name);
        counts.alive[6] += glIsShader(name);
    }
    return counts;
}

std::string GrowthText(const GlNameCounts& before, const GlNameCounts& after) {
    std::vector<std::string> parts;
    for (size_t kind = 0; kind < after.alive.size(); ++kind) {
        const long grown = after.alive[kind] - before.alive[kind];
        if (grown > 0) parts.push_back(std::to_string(grown) + " " + kKinds[kind][grown == 1 ? 0 : 1]);
    }
    return JoinTexts(parts);
}
