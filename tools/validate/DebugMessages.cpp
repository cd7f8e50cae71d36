#include "tools/validate/DebugMessages.h"

#include <GL/glew.h>

#include <utility>

namespace {

// Between two looks; a plug-in that floods the output must not take the validator's memory.
constexpr size_t kKeptMessages = 1000;

const char* TypeName(uint32_t type) {
    switch (type) {
        case GL_DEBUG_TYPE_ERROR: return "error";
        case GL_DEBUG_TYPE_UNDEFINED_BEHAVIOR: return "undefined behaviour";
        case GL_DEBUG_TYPE_PORTABILITY: return "portability";
        case GL_DEBUG_TYPE_PERFORMANCE: return "performance";
        case GL_DEBUG_TYPE_DEPRECATED_BEHAVIOR: return "deprecated behaviour";
        default: return "other";
    }
}

const char* SourceName(uint32_t source) {
    switch (source) {
        case GL_DEBUG_SOURCE_API: return "the API";
        case GL_DEBUG_SOURCE_WINDOW_SYSTEM: return "the window system";
        case GL_DEBUG_SOURCE_SHADER_COMPILER: return "the shader compiler";
        case GL_DEBUG_SOURCE_THIRD_PARTY: return "a third party";
        case GL_DEBUG_SOURCE_APPLICATION: return "the application";
        default: return "another source";
    }
}

const char* SeverityName(uint32_t severity) {
    switch (severity) {
        case GL_DEBUG_SEVERITY_HIGH: return "high";
        case GL_DEBUG_SEVERITY_MEDIUM: return "medium";
        case GL_DEBUG_SEVERITY_LOW: return "low";
        default: return "notification";
    }
}

// GL's signature for the callback: the data the validator gave it comes back as self.
// NOLINTNEXTLINE(readability-function-size)
void GLAPIENTRY Forward(GLenum source, GLenum type, GLuint id, GLenum severity, GLsizei, const GLchar* text,
                        const void* self) {
    auto* messages = const_cast<DebugMessages*>(static_cast<const DebugMessages*>(self));
    messages->Keep({source, type, id, severity, text ? text : "", ""});
}

}  // namespace

DebugWeight WeightOf(const DebugMessage& message) {
    switch (message.type) {
        case GL_DEBUG_TYPE_ERROR:
        case GL_DEBUG_TYPE_UNDEFINED_BEHAVIOR:
        case GL_DEBUG_TYPE_PORTABILITY: return DebugWeight::Failure;
        case GL_DEBUG_TYPE_PERFORMANCE:
        case GL_DEBUG_TYPE_DEPRECATED_BEHAVIOR: return DebugWeight::Warning;
        default: return DebugWeight::None;
    }
}

std::string DebugMessageText(const DebugMessage& m) {
    return m.call + ": " + TypeName(m.type) + " " + std::to_string(m.id) + " from " + SourceName(m.source) + " (" +
           SeverityName(m.severity) + "): " + m.text;
}

bool DebugMessages::Install(std::string* why) {
    GLint flags = 0;
    glGetIntegerv(GL_CONTEXT_FLAGS, &flags);
    if (!(flags & GL_CONTEXT_FLAG_DEBUG_BIT)) {
        *why = "the driver gave no debug context";
        return false;
    }
    if (!glDebugMessageCallback || !glDebugMessageControl) {
        *why = "the context has no debug output (KHR_debug)";
        return false;
    }
    glEnable(GL_DEBUG_OUTPUT);
    glEnable(GL_DEBUG_OUTPUT_SYNCHRONOUS);  // each message inside the call that raised it
    glDebugMessageControl(GL_DONT_CARE, GL_DONT_CARE, GL_DONT_CARE, 0, nullptr, GL_TRUE);
    glDebugMessageCallback(&Forward, this);
    installed = true;
    return true;
}

void DebugMessages::Uninstall() {
    if (!installed) return;
    glDebugMessageCallback(nullptr, nullptr);
    glDisable(GL_DEBUG_OUTPUT_SYNCHRONOUS);
    installed = false;
}

void DebugMessages::Enter(const std::string& call) {
    currentCall = call;
    inside = true;
}

void DebugMessages::Leave() { inside = false; }

std::vector<DebugMessage> DebugMessages::Take() {
    std::vector<DebugMessage> taken = std::move(messages);
    messages.clear();
    if (dropped > 0) {
        DebugMessage more;
        more.type = GL_DEBUG_TYPE_ERROR;
        more.call = "later calls";
        more.text = std::to_string(dropped) + " more messages, not kept";
        taken.push_back(more);
        dropped = 0;
    }
    return taken;
}

// Messages outside the plug-in's calls are the validator's own business.
void DebugMessages::Keep(DebugMessage message) {
    if (!inside) return;
    if (messages.size() >= kKeptMessages) {
        ++dropped;
        return;
    }
    message.call = currentCall;
    messages.push_back(std::move(message));
}
