// Compiling the effect's four programs, with the host message for the first that fails.
#pragma once

#include <cstdint>

class ShaderProgram;

struct ShaderSource {
    const char* vertex;
    const char* fragment;
};

struct EffectShaderSources {
    ShaderSource processing;
    ShaderSource plainProcessing;
    ShaderSource line;
    ShaderSource texturedQuad;
};

// The sources the effect ships with.
EffectShaderSources BuiltInShaderSources();

// Compiles the processing, plain processing, line and textured-quad programs in that
// order and stops at the first failure, which sends exactly one message to the host's
// log. Programs compiled before it stay compiled until the teardown.
bool CompileEffectPrograms(const EffectShaderSources& sources, ShaderProgram& processing,
                           ShaderProgram& plainProcessing, ShaderProgram& line, ShaderProgram& texturedQuad);
