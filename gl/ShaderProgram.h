// One GL program built from one vertex and one fragment source. Construction and
// destruction make no GL call; Release deletes what is held and zeroes the names.
#pragma once

#include <cstdint>

class ShaderProgram {
public:
    bool Compile(const char* vertexSource, const char* fragmentSource);
    void Release();
    uint32_t ProgramHandle() const { return program; }
    int32_t UniformLocation(const char* name) const;
    void SetInt(const char* name, int32_t value) const;
    void SetFloat(const char* name, float value) const;
    void SetVec2(const char* name, float x, float y) const;

    uint32_t vertexShader = 0;
    uint32_t fragmentShader = 0;
    uint32_t program = 0;

private:
    bool CompileStage(uint32_t kind, const char* source, const char* errorPrefix);
    bool Link();
};
