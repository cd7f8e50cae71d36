// The HUD stages of a frame, blended over the processed picture in fixed order: corner
// brackets, grid, scan line or radar, crosshair, info block. Each stage sets its own
// colour and alpha first; a skipped stage sets nothing. Drawn through any HUD drawer with
// HudRenderer's operations.
#pragma once

#include <cstdint>
#include <optional>

#include "effect/hud/ClockText.h"
#include "effect/hud/HudColor.h"
#include "effect/hud/InfoBlock.h"
#include "effect/hud/RotateHue.h"

// What a frame's HUD shows, as the frame has worked it out from the parameters.
struct HudStageValues {
    float opacity = 0.0f;   // within 0..1
    float hueShift = 0.0f;  // turns, within 0..1
    bool corners = false;
    int grid = 0;      // rounded option: 0 off, n > 0 style n - 1
    int scanMode = 0;  // 0 off, 1 horizontal, 2 vertical, 3 radar
    float scanPosition = 0.0f;
    int crosshair = 0;  // rounded option: 0 off, n > 0 style n - 1
    bool info = false;
    int32_t frameCounter = 0;
    std::optional<ClockTime> clock;  // the local time the info block shows
};

template <typename Hud>
void DrawHudStages(Hud& hud, const HudStageValues& v) {
    const HudColor color = RotateHue(kHudBaseColor, v.hueShift);
    if (v.corners) {
        hud.SetColor(color, v.opacity * 1.0f);
        hud.SetLineWidth(2.0f);
        hud.DrawCornerBrackets();
    }
    if (v.grid > 0) {
        hud.SetColor(color, v.opacity * 0.3f);
        hud.DrawGrid(v.grid - 1);
    }
    if (v.scanMode > 0) {
        hud.SetColor(color, v.opacity * 0.8f);
        hud.SetLineWidth(1.5f);
        hud.DrawScanSweep(v.scanMode, v.scanPosition, v.frameCounter);
    }
    if (v.crosshair > 0) {
        hud.SetColor(color, v.opacity * 1.0f);
        hud.DrawCrosshair(v.crosshair - 1);
    }
    if (v.info) DrawInfoBlock(hud, color, v.opacity, v.hueShift, v.frameCounter, v.clock);
}
