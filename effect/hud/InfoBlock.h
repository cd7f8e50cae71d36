// The info block, the HUD's last stage: a blinking recording sign, the clock and four
// captions in the built-in font. Drawn through any HUD drawer with HudRenderer's
// SetColor, SetLineWidth, DrawFilledRect and DrawText.
#pragma once

#include <cstdint>
#include <optional>

#include "effect/hud/ClockText.h"
#include "effect/hud/HudColor.h"
#include "effect/hud/InfoBlockLayout.h"
#include "effect/hud/RotateHue.h"

// Draws in `color` (the HUD colour, already turned) with alphas from `opacity`; the
// recording sign takes its own colour, turned by the same hue shift. The clock shows
// `time` (none: dashes) and the frame count.
template <typename Hud>
void DrawInfoBlock(Hud& hud, const HudColor& color, float opacity, float hueShift, int32_t frameCounter,
                   const std::optional<ClockTime>& time) {
    hud.SetColor(RotateHue(kRecordingColor, hueShift), opacity);
    if (RecordingSignVisible(frameCounter)) {
        hud.DrawFilledRect(kRecordingSquareX, kRecordingSquareY, kRecordingSquareSize, kRecordingSquareSize);
        hud.DrawText(kRecordingSign.text, kRecordingSign.x, kRecordingSign.y, kRecordingSign.size);
    }

    hud.SetColor(color, opacity);
    hud.SetLineWidth(1.0f);
    const ClockText clock = FormatClockText(time, frameCounter);
    hud.DrawText(clock.text, kClockLine.x, kClockLine.y, kClockLine.size);

    // Captions come in groups of one alpha; the colour is set once per group.
    float groupFactor = -1.0f;
    for (const InfoLine& caption : kCaptions) {
        if (caption.alphaFactor != groupFactor) {
            groupFactor = caption.alphaFactor;
            hud.SetColor(color, opacity * groupFactor);
        }
        hud.DrawText(caption.text, caption.x, caption.y, caption.size);
    }
}
