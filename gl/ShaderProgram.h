// One GL program built from one vertex and one fragment source. Construction and
// destruction make no GL call; Release deletes what is held and zeroes the names.
#pragma once

#include <cstdint>

// The two sources of one program, GLSL text for a 4.1 core context.
struct ShaderSource {
    const char* vertex;
    const char* fragment;
};

class ShaderProgram {
public:
    ShaderProgram() = default;
    // Makes no GL call: the names are freed by Release, while the context is current.
    ~ShaderProgram() = default;
    ShaderProgram(const ShaderProgram&) = delete;
    ShaderProgram& operator=(const ShaderProgram&) = delete;

    // Releases a program held from before, then builds the new one; a failure leaves
    // nothing held. Missing sources fail before any GL call and keep what is held.
    bool Compile(const char* vertexSource, const char* fragmentSource);
    bool Compile(const ShaderSource& source) { return Compile(source.vertex, source.fragment); }
    void Release();

    // The same build in two calls, for a program wanted without waiting for it: Start
    // hands both stages and the link to the driver and asks for no result, which drivers
    // with parallel compiling finish on threads of their own; Finish, once
    // BuildFinished says so, takes the results as Compile does.
    bool StartBuild(const char* vertexSource, const char* fragmentSource);
    // Whether Finish would not wait: always true where the driver compiles in the calls
    // themselves (parallelCompile false).
    bool BuildFinished(bool parallelCompile) const;
    bool FinishBuild();

    uint32_t ProgramHandle() const { return program; }

    int32_t UniformLocation(const char* name) const;
    void SetInt(const char* name, int32_t value) const;
    void SetFloat(const char* name, float value) const;

private:
    void StartStage(uint32_t kind, const char* source);
    void StartLink();
    bool StageCompiled(uint32_t shader, const char* errorPrefix) const;
    bool Linked() const;

    uint32_t vertexShader = 0;
    uint32_t fragmentShader = 0;
    uint32_t program = 0;
};
