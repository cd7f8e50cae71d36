// What tests reach inside the plug-in's objects: private members, and operations only
// tests call. Product headers declare nothing for tests; EffectTestAccess.cpp reaches
// these members from outside.
#pragma once

#include <cstdint>

#include "effect/Shaders.h"
#include "effect/ZaqVigilomatronic.h"

struct EffectTestAccess {
    // The effect: its components, its frame counter, its set-up from other sources.
    static ProcessingPass& Pass(ZaqVigilomatronic& effect);
    static HudRenderer& Hud(ZaqVigilomatronic& effect);
    static OverlayPicture& Overlay(ZaqVigilomatronic& effect);
    static int32_t& FrameCounter(ZaqVigilomatronic& effect);
    static bool CreateGraphics(ZaqVigilomatronic& effect, const EffectShaderSources& sources);

    // The processing pass: its programs and quad; a set-up as for a context that does or
    // does not compile in parallel; a draw with a program of the test's choosing.
    static ProcessingPrograms& Programs(ProcessingPass& pass);
    static const ScreenQuad& Quad(const ProcessingPass& pass);
    static bool Create(ProcessingPass& pass, const ShaderSource& source, bool parallelCompile);
    static void DrawWith(const ProcessingPass& pass, const ProcessingProgram& program, uint32_t inputTexture,
                         uint32_t hostFramebuffer, const ProcessingUniforms& uniforms);
    // The processing programs: a variant's program, built or not; whether frames build
    // variants; a variant built at once, waiting for the driver (true when it is built).
    static const ProcessingProgram& Variant(const ProcessingPrograms& programs, const ProcessingVariant& variant);
    static bool BuildingInFrames(const ProcessingPrograms& programs);
    static bool BuildNow(ProcessingPrograms& programs, const ProcessingVariant& variant);
    // A program's shader objects, 0 when it holds none.
    static uint32_t VertexShader(const ShaderProgram& program);
    static uint32_t FragmentShader(const ShaderProgram& program);
};
