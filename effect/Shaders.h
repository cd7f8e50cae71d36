// GLSL sources of the effect's programs, for a 4.1 core context.
#pragma once

#include "gl/ShaderProgram.h"

// Full-screen recolouring of the input picture. Built with READ_WITHIN_PICTURE defined
// it is the program for a padded input, every read held within the picture.
extern const char* const kProcessingVertexSource;
extern const char* const kProcessingFragmentSource;
// The same pass when every feature is off, the mode is "Normal" and the input is not
// padded: the texture read alone, with the full shader's output expression, so its
// pixels are the same. Software GL pays for every branch of the full shader even when
// its uniform switches it off.
extern const char* const kPlainProcessingFragmentSource;
// HUD geometry in one flat colour, uniform "Color".
extern const char* const kLineVertexSource;
extern const char* const kLineFragmentSource;
// The overlay picture, uniforms "OverlayTexture" and "Alpha".
extern const char* const kQuadVertexSource;
extern const char* const kQuadFragmentSource;

// Every program of the effect, by the component that compiles it.
struct EffectShaderSources {
    ShaderSource processing;
    ShaderSource plainProcessing;
    ShaderSource paddedProcessing;
    ShaderSource line;
    ShaderSource texturedQuad;
};

// The sources the effect ships with.
EffectShaderSources BuiltInShaderSources();
