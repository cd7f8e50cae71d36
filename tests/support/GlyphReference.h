// A glyph cell by cell, as the per-primitive reference draws it, and run by run, as the
// batched HUD draws it: what the tests hold the runs against.
#pragma once

#include <cstdint>

#include "effect/font/GlyphCells.h"
#include "effect/hud/GlyphEdges.h"

struct CellRect {
    float x;
    float y;
    float width;
    float height;
};

// Calls emit(CellRect) for each lit cell, top row first, leftmost column first; bit 15
// of a row word is the leftmost column.
template <typename Emit>
void ForEachGlyphCell(const uint16_t* rows, float x, float y, float size, Emit&& emit) {
    const GlyphBox box(x, y, size);
    for (int r = 0; r < kGlyphRows; ++r) {
        const uint16_t word = rows[r];
        if (word == 0) continue;
        const float yr = box.RowBottom(r);
        for (int c = 0; c < kGlyphColumns; ++c)
            if (word & (0x8000u >> c)) emit(CellRect{box.Left(c), yr, box.w, box.ch});
    }
}

// Calls emit(HudEdges) for each run of the glyph drawn at (x, y) with size s.
template <typename Emit>
void ForEachGlyphRun(const uint16_t* rows, float x, float y, float size, Emit&& emit) {
    const GlyphBox box(x, y, size);
    ForEachRunOfCells(rows, [&](const GlyphRun& run) { emit(RunEdges(box, run)); });
}
