// What tests may reach inside the effect: its components and its frame counter. The
// effect names this struct its friend; only tests define it.
#pragma once

#include <cstdint>
#include <vector>

#include "effect/Shaders.h"
#include "effect/ZaqVigilomatronic.h"
#include "effect/hud/HudRenderer.h"
#include "gl/ScreenQuad.h"
#include "overlay/drawing/OverlayPicture.h"

struct EffectTestAccess {
    static ProcessingPass& Pass(ZaqVigilomatronic& effect) { return effect.pass; }
    static HudRenderer& Hud(ZaqVigilomatronic& effect) { return effect.hud; }
    static OverlayPicture& Overlay(ZaqVigilomatronic& effect) { return effect.overlay; }
    static int32_t& FrameCounter(ZaqVigilomatronic& effect) { return effect.frameCounter; }
    static bool CreateGraphics(ZaqVigilomatronic& effect, const EffectShaderSources& sources) {
        return effect.CreateGraphics(sources);
    }
};

// ---- The HUD renderer, the overlay picture and the screen quad -----------------------
// Their headers carry nothing for tests. Their private members are named here in explicit
// instantiations, where the language checks no access; everything in this section has
// internal linkage, so each test file has its own.
namespace {

template <typename Member, typename Member::Type pointer>
struct MemberOpening {
    friend typename Member::Type PointerTo(Member) { return pointer; }
};

template <typename Owner, typename Value>
struct PrivateMember {
    using Type = Value Owner::*;
};

struct HudProgramMember : PrivateMember<HudRenderer, ShaderProgram> {
    friend Type PointerTo(HudProgramMember);
};
struct HudBufferMember : PrivateMember<HudRenderer, DynamicBuffer> {
    friend Type PointerTo(HudBufferMember);
};
struct OverlayProgramMember : PrivateMember<OverlayPicture, ShaderProgram> {
    friend Type PointerTo(OverlayProgramMember);
};
struct OverlayBufferMember : PrivateMember<OverlayPicture, DynamicBuffer> {
    friend Type PointerTo(OverlayBufferMember);
};
struct OverlayTextureMember : PrivateMember<OverlayPicture, uint32_t> {
    friend Type PointerTo(OverlayTextureMember);
};
struct OverlayReloadPendingMember : PrivateMember<OverlayPicture, bool> {
    friend Type PointerTo(OverlayReloadPendingMember);
};
struct OverlayFrameCountMember : PrivateMember<OverlayPicture, int32_t> {
    friend Type PointerTo(OverlayFrameCountMember);
};
struct OverlayFrameIndexMember : PrivateMember<OverlayPicture, int32_t> {
    friend Type PointerTo(OverlayFrameIndexMember);
};
struct OverlayFrameTexturesMember : PrivateMember<OverlayPicture, std::vector<uint32_t>> {
    friend Type PointerTo(OverlayFrameTexturesMember);
};
struct OverlayFrameDelaysMember : PrivateMember<OverlayPicture, std::vector<int32_t>> {
    friend Type PointerTo(OverlayFrameDelaysMember);
};

struct QuadArrayMember : PrivateMember<ScreenQuad, uint32_t> {
    friend Type PointerTo(QuadArrayMember);
};
struct QuadBufferMember : PrivateMember<ScreenQuad, uint32_t> {
    friend Type PointerTo(QuadBufferMember);
};

template struct MemberOpening<HudProgramMember, &HudRenderer::lineShader>;
template struct MemberOpening<HudBufferMember, &HudRenderer::lineBuffer>;
template struct MemberOpening<OverlayProgramMember, &OverlayPicture::texturedQuadShader>;
template struct MemberOpening<OverlayBufferMember, &OverlayPicture::quadBuffer>;
template struct MemberOpening<OverlayTextureMember, &OverlayPicture::overlayTexture>;
template struct MemberOpening<OverlayReloadPendingMember, &OverlayPicture::overlayReloadPending>;
template struct MemberOpening<OverlayFrameCountMember, &OverlayPicture::overlayFrameCount>;
template struct MemberOpening<OverlayFrameIndexMember, &OverlayPicture::overlayFrameIndex>;
template struct MemberOpening<OverlayFrameTexturesMember, &OverlayPicture::overlayFrameTextures>;
template struct MemberOpening<OverlayFrameDelaysMember, &OverlayPicture::overlayFrameDelays>;
template struct MemberOpening<QuadArrayMember, &ScreenQuad::vertexArray>;
template struct MemberOpening<QuadBufferMember, &ScreenQuad::vertexBuffer>;

// The line program and buffer, for drawing the HUD outside a frame.
struct HudInside {
    const HudRenderer& hud;
    const ShaderProgram& Program() const { return hud.*PointerTo(HudProgramMember{}); }
    const DynamicBuffer& Buffer() const { return hud.*PointerTo(HudBufferMember{}); }
};

// The screen quad's GL names.
struct ScreenQuadInside {
    const ScreenQuad& quad;
    uint32_t VertexArray() const { return quad.*PointerTo(QuadArrayMember{}); }
    uint32_t VertexBuffer() const { return quad.*PointerTo(QuadBufferMember{}); }
};

// What the overlay picture shows and holds.
struct OverlayInside {
    const OverlayPicture& overlay;
    const ShaderProgram& Program() const { return overlay.*PointerTo(OverlayProgramMember{}); }
    const DynamicBuffer& Buffer() const { return overlay.*PointerTo(OverlayBufferMember{}); }
    uint32_t Texture() const { return overlay.*PointerTo(OverlayTextureMember{}); }
    bool ReloadPending() const { return overlay.*PointerTo(OverlayReloadPendingMember{}); }
    int32_t FrameCount() const { return overlay.*PointerTo(OverlayFrameCountMember{}); }
    int32_t FrameIndex() const { return overlay.*PointerTo(OverlayFrameIndexMember{}); }
    const std::vector<uint32_t>& FrameTextures() const { return overlay.*PointerTo(OverlayFrameTexturesMember{}); }
    const std::vector<int32_t>& FrameDelays() const { return overlay.*PointerTo(OverlayFrameDelaysMember{}); }
};

}  // namespace
