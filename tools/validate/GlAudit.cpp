#include "tools/validate/GlAudit.h"

#include <GL/glew.h>

#include <cstdio>

namespace {

// Texture units whose 2D binding is checked; plug-ins rarely use more.
constexpr int kCheckedUnits = 8;

std::string ErrorName(GLenum error) {
    const char* name = error == GL_INVALID_ENUM                    ? "GL_INVALID_ENUM"
                       : error == GL_INVALID_VALUE                 ? "GL_INVALID_VALUE"
                       : error == GL_INVALID_OPERATION             ? "GL_INVALID_OPERATION"
                       : error == GL_INVALID_FRAMEBUFFER_OPERATION ? "GL_INVALID_FRAMEBUFFER_OPERATION"
                       : error == GL_OUT_OF_MEMORY                 ? "GL_OUT_OF_MEMORY"
                                                                   : "GL error";
    char text[64];
    std::snprintf(text, sizeof text, "%s (0x%04X)", name, error);
    return text;
}

GLint Integer(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

void Expect(std::vector<std::string>* found, GLint value, GLint expected, const std::string& text) {
    if (value != expected) found->push_back(text + " " + std::to_string(value));
}

}  // namespace

std::vector<std::string> TakeGlErrors() {
    std::vector<std::string> errors;
    // A context that has lost its mind may never stop answering errors.
    for (int i = 0; i < 16; ++i) {
        const GLenum error = glGetError();
        if (error == GL_NO_ERROR) break;
        errors.push_back(ErrorName(error));
    }
    return errors;
}

std::vector<std::string> StateLeftBehind(uint32_t hostFramebuffer) {
    std::vector<std::string> found;
    if (glIsEnabled(GL_BLEND)) found.push_back("blending left on");
    Expect(&found, Integer(GL_CURRENT_PROGRAM), 0, "program left in use:");
    Expect(&found, Integer(GL_VERTEX_ARRAY_BINDING), 0, "vertex array left bound:");
    Expect(&found, Integer(GL_ARRAY_BUFFER_BINDING), 0, "array buffer left bound:");
    const GLint active = Integer(GL_ACTIVE_TEXTURE);
    Expect(&found, active - GL_TEXTURE0, 0, "texture unit left active:");
    for (int unit = 0; unit < kCheckedUnits; ++unit) {
        glActiveTexture(GL_TEXTURE0 + unit);
        Expect(&found, Integer(GL_TEXTURE_BINDING_2D), 0,
               "on texture unit " + std::to_string(unit) + " texture left bound:");
    }
    glActiveTexture(static_cast<GLenum>(active));
    GLfloat lineWidth = 1.0f;
    glGetFloatv(GL_LINE_WIDTH, &lineWidth);
    if (lineWidth != 1.0f) found.push_back("line width left at " + std::to_string(lineWidth));
    const GLint framebuffer = Integer(GL_DRAW_FRAMEBUFFER_BINDING);
    if (framebuffer != static_cast<GLint>(hostFramebuffer))
        found.push_back("framebuffer " + std::to_string(framebuffer) + " bound instead of the host's " +
                        std::to_string(hostFramebuffer));
    return found;
}

void RestoreHostState(uint32_t hostFramebuffer) {
    glDisable(GL_BLEND);
    glUseProgram(0);
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    for (int unit = kCheckedUnits - 1; unit >= 0; --unit) {
        glActiveTexture(GL_TEXTURE0 + unit);
        glBindTexture(GL_TEXTURE_2D, 0);
    }
    glLineWidth(1.0f);
    glBindFramebuffer(GL_FRAMEBUFFER, hostFramebuffer);
    TakeGlErrors();
}

std::string JoinTexts(const std::vector<std::string>& texts) {
    std::string joined;
    for (size_t i = 0; i < texts.size(); ++i)
        joined += (i == 0 ? "" : i + 1 == texts.size() ? " and " : ", ") + texts[i];
    return joined;
}
