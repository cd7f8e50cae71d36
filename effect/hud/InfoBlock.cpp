#include "effect/hud/InfoBlock.h"

#include "effect/hud/Clock.h"
#include "effect/hud/HudRenderer.h"
#include "effect/hud/InfoBlockLayout.h"
#include "effect/hud/RotateHue.h"

void DrawInfoBlock(HudRenderer& hud, const HudColor& color, float opacity, float hueShift, int32_t frameCounter) {
    hud.SetColor(RotateHue(kRecordingColor, hueShift), opacity);
    if (RecordingSignVisible(frameCounter)) {
        hud.DrawFilledRect(kRecordingSquareX, kRecordingSquareY, kRecordingSquareSize, kRecordingSquareSize);
        hud.DrawText(kRecordingSign.text, kRecordingSign.x, kRecordingSign.y, kRecordingSign.size);
    }

    hud.SetColor(color, opacity);
    hud.SetLineWidth(1.0f);
    const ClockText clock = FormatClockText(ReadLocalTime(), frameCounter);
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
