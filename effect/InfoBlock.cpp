// The info block: blinking recording sign, clock and captions in the built-in font,
// each lit glyph cell a filled rectangle.
#include "effect/Clock.h"
#include "effect/GlyphCells.h"
#include "effect/GlyphRuns.h"
#include "effect/GlyphTable.h"
#include "effect/InfoBlockLayout.h"
#include "effect/RotateHue.h"
#include "effect/ZaqVigilomatronic.h"

void ZaqVigilomatronic::DrawGlyph(unsigned char code, float x, float y, float size) {
    const int glyph = GlyphIndex(code);
    // A batch takes each run of lit cells as one rectangle over the same pixels.
    if (hudBatch.IsOpen()) {
        const GlyphBox box(x, y, size);
        const GlyphRuns& runs = BuiltInGlyphRuns(glyph);
        for (int i = 0; i < runs.count; ++i) hudBatch.AddRect(RunEdges(box, runs.runs[i]));
        return;
    }
    ForEachGlyphCell(GlyphTable[glyph], x, y, size,
                     [this](const CellRect& cell) { DrawFilledRect(cell.x, cell.y, cell.width, cell.height); });
}

void ZaqVigilomatronic::DrawText(const char* text, float x, float y, float size) {
    if (!text) return;
    for (int i = 0; text[i] != '\0'; ++i)
        DrawGlyph(static_cast<unsigned char>(text[i]), CharacterX(x, i, size), y, size);
}

void ZaqVigilomatronic::DrawInfoBlock(float hudRed, float hudGreen, float hudBlue, int32_t colorLocation) {
    float recRed = kRecordingColor[0], recGreen = kRecordingColor[1], recBlue = kRecordingColor[2];
    RotateHue(recRed, recGreen, recBlue, hueShift);
    hudBatch.SetColor(colorLocation, recRed, recGreen, recBlue, hudOpacity);
    if (RecordingSignVisible(frameCounter)) {
        DrawFilledRect(kRecordingSquareX, kRecordingSquareY, kRecordingSquareSize, kRecordingSquareSize);
        DrawText(kRecordingSign.text, kRecordingSign.x, kRecordingSign.y, kRecordingSign.size);
    }

    hudBatch.SetColor(colorLocation, hudRed, hudGreen, hudBlue, hudOpacity);
    hudBatch.SetLineWidth(1.0f);
    const ClockText clock = FormatClockText(ReadLocalTime(), frameCounter);
    DrawText(clock.text, kClockLine.x, kClockLine.y, kClockLine.size);

    // Captions come in groups of one alpha; the colour is set once per group.
    float groupFactor = -1.0f;
    for (const InfoLine& caption : kCaptions) {
        if (caption.alphaFactor != groupFactor) {
            groupFactor = caption.alphaFactor;
            hudBatch.SetColor(colorLocation, hudRed, hudGreen, hudBlue, hudOpacity * groupFactor);
        }
        DrawText(caption.text, caption.x, caption.y, caption.size);
    }
}
