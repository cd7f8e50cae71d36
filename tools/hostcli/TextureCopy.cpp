#include "tools/hostcli/TextureCopy.h"

#include <GL/glew.h>

namespace {

// Two triangles over the viewport from the vertex index alone: no vertex buffer to fill.
constexpr const char* kVertexSource = R"(#version 410 core
out vec2 uv;
void main() {
    const vec2 corners[6] = vec2[](vec2(0, 1), vec2(1, 1), vec2(0, 0), vec2(0, 0), vec2(1, 1), vec2(1, 0));
    uv = corners[gl_VertexID];
    gl_Position = vec4(uv * 2.0 - 1.0, 0.0, 1.0);
}
)";

constexpr const char* kFragmentSource = R"(#version 410 core
uniform sampler2D InputTexture;
in vec2 uv;
out vec4 color;
void main() { color = texture(InputTexture, uv); }
)";

GLuint CompileStage(GLenum stage, const char* source) {
    const GLuint shader = glCreateShader(stage);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled == GL_TRUE) return shader;
    glDeleteShader(shader);
    return 0;
}

GLuint LinkCopyProgram() {
    const GLuint vertex = CompileStage(GL_VERTEX_SHADER, kVertexSource);
    const GLuint fragment = CompileStage(GL_FRAGMENT_SHADER, kFragmentSource);
    GLuint program = 0;
    if (vertex && fragment) {
        program = glCreateProgram();
        glAttachShader(program, vertex);
        glAttachShader(program, fragment);
        glLinkProgram(program);
        GLint linked = GL_FALSE;
        glGetProgramiv(program, GL_LINK_STATUS, &linked);
        if (linked != GL_TRUE) {
            glDeleteProgram(program);
            program = 0;
        }
    }
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    return program;
}

}  // namespace

bool TextureCopy::Start(const Picture& picture, int width, int height, std::string* error) {
    FrameShape shape;
    shape.width = width;
    shape.height = height;
    shape.inputWidth = picture.width;
    shape.inputHeight = picture.height;
    if (!textures.Create(shape, picture.rgba, error)) return false;
    program = LinkCopyProgram();
    if (!program) {
        *error = "cannot build the texture-copy shader";
        return false;
    }
    glGenVertexArrays(1, &vertexArray);
    return true;
}

void TextureCopy::RenderFrame() {
    textures.Bind();
    glUseProgram(program);
    glBindVertexArray(vertexArray);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, textures.input.texture);
    glDrawArrays(GL_TRIANGLES, 0, 6);
    glBindTexture(GL_TEXTURE_2D, 0);
    glBindVertexArray(0);
    glUseProgram(0);
}

void TextureCopy::Stop() {
    if (vertexArray) glDeleteVertexArrays(1, &vertexArray);
    vertexArray = 0;
    if (program) glDeleteProgram(program);
    program = 0;
    textures.Release();
}
