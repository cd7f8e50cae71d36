// Where a glyph's runs of lit cells land in HUD space: each run one rectangle, whose
// edges are the very floats of its outer cells' edges.
#pragma once

#include <cstdint>

#include "effect/font/GlyphCells.h"
#include "effect/hud/HudGeometry.h"

// Every edge of a run is an edge of one of its outer cells, computed exactly as
// ForEachGlyphCell computes it. The cells' inner edges, where two of them meet, may
// differ from each other in the last bit but land on the same sub-pixel, so the run
// covers the pixels of its cells; the frame identity tests hold this over every element
// and several output sizes.
inline HudEdges RunEdges(const GlyphBox& box, const GlyphRun& run) {
    return {box.Left(run.firstColumn), box.RowBottom(run.bottomRow), box.Left(run.lastColumn) + box.w,
            box.RowBottom(run.topRow) + box.ch};
}

// Calls emit(HudEdges) for each run of the glyph drawn at (x, y) with size s.
template <typename Emit>
void ForEachGlyphRun(const uint16_t* rows, float x, float y, float size, Emit&& emit) {
    const GlyphBox box(x, y, size);
    ForEachRunOfCells(rows, [&](const GlyphRun& run) { emit(RunEdges(box, run)); });
}
