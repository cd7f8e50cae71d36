#include "effect/hud/HudCapacity.h"

#include <algorithm>

#include "effect/font/GlyphRuns.h"
#include "effect/hud/HudGeometry.h"
#include "effect/hud/InfoBlockLayout.h"

namespace {

// Rectangles a text takes in a batch: the runs of its glyphs.
int Runs(const char* text) {
    int runs = 0;
    for (; *text; ++text) runs += BuiltInGlyphRuns(GlyphIndex(static_cast<unsigned char>(*text))).count;
    return runs;
}

int MostRunsOfAnyGlyph() {
    int most = 0;
    for (int glyph = 0; glyph < kGlyphCount; ++glyph) most = std::max(most, BuiltInGlyphRuns(glyph).count);
    return most;
}

constexpr int kClockCharacters = 11;  // "HH:MM:SS:FF"

}  // namespace

int HudTriangleVertexCapacity(bool wideLinesAsTriangles) {
    // Rectangles: the crosshair's centre dot, the recording square, then the texts.
    int rects = 2 + Runs(kRecordingSign.text) + kClockCharacters * MostRunsOfAnyGlyph();
    for (const InfoLine& caption : kCaptions) rects += Runs(caption.text);
    return 6 * rects + (wideLinesAsTriangles ? 3 * kHudLineVertexCapacity : 0);
}

uint32_t HudLineBufferBytes(bool wideLinesAsTriangles) {
    const int vertices = kHudLineVertexCapacity + HudTriangleVertexCapacity(wideLinesAsTriangles);
    return static_cast<uint32_t>(vertices * sizeof(HudVertex));
}
