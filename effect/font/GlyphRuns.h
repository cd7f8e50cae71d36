// The runs of every glyph of the built-in font. The font never changes, so they are
// worked out once rather than for every character of every frame.
#pragma once

#include "effect/font/GlyphCells.h"

constexpr int kMaxGlyphRuns = 24;  // the busiest glyph of the font has 21

struct GlyphRuns {
    int count;
    GlyphRun runs[kMaxGlyphRuns];
};

// The runs of glyph `glyph` (0..94), as ForEachRunOfCells finds them.
const GlyphRuns& BuiltInGlyphRuns(int glyph);
