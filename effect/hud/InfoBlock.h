// The info block, the HUD's last stage: a blinking recording sign, the clock and four
// captions in the built-in font, each lit glyph run a filled rectangle.
#pragma once

#include <cstdint>

#include "effect/hud/HudColor.h"

class HudRenderer;

// Draws in `color` (the HUD colour, already turned) with alphas from `opacity`; the
// recording sign takes its own colour, turned by the same hue shift.
void DrawInfoBlock(HudRenderer& hud, const HudColor& color, float opacity, float hueShift, int32_t frameCounter);
