// What tests reach inside the plug-in's objects: private members, and operations only
// tests call. Product headers declare nothing for tests; EffectTestAccess.cpp reaches
// these members from outside.
#pragma once

#include <cstdint>
#include <vector>

#include "effect/Shaders.h"
#include "effect/ZaqVigilomatronic.h"
#include "effect/hud/HudRenderer.h"
#include "gl/ScreenQuad.h"
#include "overlay/drawing/OverlayPicture.h"

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

    // The HUD renderer's line program and buffer, for drawing the HUD outside a frame.
    static const ShaderProgram& LineProgram(const HudRenderer& hud);
    static const DynamicBuffer& LineBuffer(const HudRenderer& hud);
    // The screen quad's GL names.
    static uint32_t VertexArray(const ScreenQuad& quad);
    static uint32_t VertexBuffer(const ScreenQuad& quad);
    // What the overlay picture shows and holds.
    static const ShaderProgram& QuadProgram(const OverlayPicture& overlay);
    static const DynamicBuffer& QuadBuffer(const OverlayPicture& overlay);
    static uint32_t Texture(const OverlayPicture& overlay);
    static bool ReloadPending(const OverlayPicture& overlay);
    static int32_t FrameCount(const OverlayPicture& overlay);
    static int32_t FrameIndex(const OverlayPicture& overlay);
    static const std::vector<uint32_t>& FrameTextures(const OverlayPicture& overlay);
    static const std::vector<int32_t>& FrameDelays(const OverlayPicture& overlay);
};

// The same, read as members of the component, where a test holds one.
struct HudInside {
    const HudRenderer& hud;
    const ShaderProgram& Program() const { return EffectTestAccess::LineProgram(hud); }
    const DynamicBuffer& Buffer() const { return EffectTestAccess::LineBuffer(hud); }
};

struct ScreenQuadInside {
    const ScreenQuad& quad;
    uint32_t VertexArray() const { return EffectTestAccess::VertexArray(quad); }
    uint32_t VertexBuffer() const { return EffectTestAccess::VertexBuffer(quad); }
};

struct OverlayInside {
    const OverlayPicture& overlay;
    const ShaderProgram& Program() const { return EffectTestAccess::QuadProgram(overlay); }
    const DynamicBuffer& Buffer() const { return EffectTestAccess::QuadBuffer(overlay); }
    uint32_t Texture() const { return EffectTestAccess::Texture(overlay); }
    bool ReloadPending() const { return EffectTestAccess::ReloadPending(overlay); }
    int32_t FrameCount() const { return EffectTestAccess::FrameCount(overlay); }
    int32_t FrameIndex() const { return EffectTestAccess::FrameIndex(overlay); }
    const std::vector<uint32_t>& FrameTextures() const { return EffectTestAccess::FrameTextures(overlay); }
    const std::vector<int32_t>& FrameDelays() const { return EffectTestAccess::FrameDelays(overlay); }
};
