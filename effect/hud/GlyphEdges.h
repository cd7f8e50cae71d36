// Where a glyph's runs of lit cells land in HUD space: each run one rectangle, whose
// edges are the very floats of its outer cells' edges.
#pragma once

#include <cstdint>

#include "effect/font/GlyphCells.h"
#include "effect/hud/HudGeometry.h"

// Every edge of a run is an edge of one of its outer cells, computed by the same GlyphBox
// as the cells' own edges. The cells' inner edges, where two of them meet, may
// differ from each other in the last bit but land on the same sub-pixel, so the run
// covers the pixels of its cells; the frame identity tests hold this over every element
// and several output sizes.
inline HudEdges RunEdges(const GlyphBox& box, const GlyphRun& run) {
    return {box.Left(run.firstColumn), box.RowBottom(run.bottomRow), box.Left(run.lastColumn) + box.w,
            box.RowBottom(run.topRow) + box.ch};
}
