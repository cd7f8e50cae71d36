#include "effect/font/GlyphRuns.h"

#include "effect/font/GlyphTable.h"

namespace {

struct RunTable {
    GlyphRuns glyphs[kGlyphCount];
};

RunTable FindRuns() {
    RunTable table{};
    for (int g = 0; g < kGlyphCount; ++g) {
        GlyphRuns& glyph = table.glyphs[g];
        ForEachRunOfCells(GlyphTable[g], [&glyph](const GlyphRun& run) {
            if (glyph.count < kMaxGlyphRuns) glyph.runs[glyph.count++] = run;
        });
    }
    return table;
}

}  // namespace

const GlyphRuns& BuiltInGlyphRuns(int glyph) {
    static const RunTable table = FindRuns();
    return table.glyphs[glyph];
}
