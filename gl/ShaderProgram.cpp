#include "gl/ShaderProgram.h"

#include <GL/glew.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "gl/ReleaseName.h"
#include "platform/Platform.h"

namespace {

// Compile and link errors go to the developer's channels, not the host's log: the
// caller of Compile reports its own one-line message to the host.
void WriteDiagnostic(const char* prefix, const char* text) {
    const std::string message = std::string(prefix) + text;
    DebuggerOutput(message.c_str());
    std::fputs(message.c_str(), stdout);
    std::fputs("\n", stdout);
    std::fflush(stdout);
}

bool HasText(const char* source) { return source && source[0] != '\0'; }

}  // namespace

bool ShaderProgram::Compile(const char* vertexSource, const char* fragmentSource) {
    if (!HasText(vertexSource) || !HasText(fragmentSource)) return false;
    Release();  // a program compiled before would otherwise keep its names for ever
    // A vertex stage that fails is reported alone: the fragment source is never compiled.
    StartStage(GL_VERTEX_SHADER, vertexSource);
    if (!StageCompiled(vertexShader, "Vertex Shader error: ")) {
        Release();
        return false;
    }
    StartStage(GL_FRAGMENT_SHADER, fragmentSource);
    if (!StageCompiled(fragmentShader, "Fragment Shader error: ")) {
        Release();
        return false;
    }
    StartLink();
    if (!Linked()) {
        Release();
        return false;
    }
    return true;
}

bool ShaderProgram::StartBuild(const char* vertexSource, const char* fragmentSource) {
    if (!HasText(vertexSource) || !HasText(fragmentSource)) return false;
    Release();
    StartStage(GL_VERTEX_SHADER, vertexSource);
    StartStage(GL_FRAGMENT_SHADER, fragmentSource);
    StartLink();
    return true;
}

bool ShaderProgram::BuildFinished(bool parallelCompile) const {
    if (!parallelCompile || program == 0) return true;
    GLint done = GL_TRUE;
    glGetProgramiv(program, GL_COMPLETION_STATUS_KHR, &done);
    return done == GL_TRUE;
}

bool ShaderProgram::FinishBuild() {
    if (program == 0) return false;
    if (!StageCompiled(vertexShader, "Vertex Shader error: ") ||
        !StageCompiled(fragmentShader, "Fragment Shader error: ") || !Linked()) {
        Release();
        return false;
    }
    return true;
}

void ShaderProgram::StartStage(uint32_t kind, const char* source) {
    const GLuint shader = glCreateShader(kind);
    // Stored at once so that Release deletes it whatever happens next.
    (kind == GL_VERTEX_SHADER ? vertexShader : fragmentShader) = shader;
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
}

void ShaderProgram::StartLink() {
    program = glCreateProgram();
    glAttachShader(program, vertexShader);
    glAttachShader(program, fragmentShader);
    glLinkProgram(program);
}

bool ShaderProgram::StageCompiled(uint32_t shader, const char* errorPrefix) const {
    GLint status = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
    if (status == GL_TRUE) return true;

    GLint logLength = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &logLength);
    if (logLength < 0) logLength = 0;
    std::vector<char> log(static_cast<size_t>(logLength) + 1, '\0');
    glGetShaderInfoLog(shader, logLength, nullptr, log.data());
    WriteDiagnostic(errorPrefix, log.data());
    return false;
}

bool ShaderProgram::Linked() const {
    GLint status = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &status);
    if (status == GL_TRUE) return true;

    char log[1024] = {};
    GLsizei length = 0;
    glGetProgramInfoLog(program, 1023, &length, log);
    log[std::clamp<GLsizei>(length, 0, 1022)] = '\0';
    // A link failure has no prefix of its own.
    WriteDiagnostic("Fragment Shader error: ", log);
    return false;
}

void ShaderProgram::Release() {
    // Attached shaders are freed together with the program.
    ReleaseShader(vertexShader);
    ReleaseShader(fragmentShader);
    ReleaseProgram(program);
}

int32_t ShaderProgram::UniformLocation(const char* name) const { return glGetUniformLocation(program, name); }

// The setters act on the current program; the caller has made this one current.
void ShaderProgram::SetInt(const char* name, int32_t value) const { glUniform1i(UniformLocation(name), value); }

void ShaderProgram::SetFloat(const char* name, float value) const { glUniform1f(UniformLocation(name), value); }
