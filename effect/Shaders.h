// GLSL sources of the effect's programs, for a 4.1 core context.
#pragma once

#include "gl/ShaderProgram.h"

// Full-screen recolouring of the input picture: the source of every processing program,
// the full one and the variants made for the features in use (ProcessingVariant.h).
// Built with READ_WITHIN_PICTURE defined, a program holds every read within the picture
// of a padded input.
extern const char* const kProcessingVertexSource;
extern const char* const kProcessingFragmentSource;
// HUD geometry in one flat colour, uniform "Color".
extern const char* const kLineVertexSource;
extern const char* const kLineFragmentSource;

// Every program of the effect, by the component that compiles it; the overlay's comes
// from the overlay (OverlayShader.h).
struct EffectShaderSources {
    ShaderSource processing;
    ShaderSource line;
    ShaderSource texturedQuad;
};

// The sources the effect ships with.
EffectShaderSources BuiltInShaderSources();
