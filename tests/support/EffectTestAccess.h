// What tests may reach inside the effect: its components and its frame counter. The
// effect names this struct its friend; only tests define it.
#pragma once

#include <cstdint>

#include "effect/Shaders.h"
#include "effect/ZaqVigilomatronic.h"

struct EffectTestAccess {
    static ProcessingPass& Pass(ZaqVigilomatronic& effect) { return effect.pass; }
    static HudRenderer& Hud(ZaqVigilomatronic& effect) { return effect.hud; }
    static OverlayPicture& Overlay(ZaqVigilomatronic& effect) { return effect.overlay; }
    static int32_t& FrameCounter(ZaqVigilomatronic& effect) { return effect.frameCounter; }
    static bool CreateGraphics(ZaqVigilomatronic& effect, const EffectShaderSources& sources) {
        return effect.CreateGraphics(sources);
    }
};
