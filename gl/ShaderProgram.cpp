// Placeholder until shader programs land.
#include "gl/ShaderProgram.h"

bool ShaderProgram::Compile(const char*, const char*) { return false; }
void ShaderProgram::Release() {}
int32_t ShaderProgram::UniformLocation(const char*) const { return -1; }
void ShaderProgram::SetInt(const char*, int32_t) const {}
void ShaderProgram::SetFloat(const char*, float) const {}
void ShaderProgram::SetVec2(const char*, float, float) const {}
bool ShaderProgram::CompileStage(uint32_t, const char*, const char*) { return false; }
bool ShaderProgram::Link() { return false; }
