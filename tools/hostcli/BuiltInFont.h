// The bitmap font the host draws its own texts with (the font sheet, captions): the
// plug-in's built-in font. This file is the one place where tools/ reach into effect/
// for it; a host without the plug-in's sources would give its own glyphs here.
#pragma once

#include <cstdint>

constexpr int kFontGlyphColumns = 16;  // bit 15 of a row word is the leftmost column
constexpr int kFontGlyphRows = 24;     // row 0 at the top
constexpr int kFontFirstCode = 32;     // the glyphs cover the printable ASCII codes 32..126
constexpr int kFontGlyphCount = 95;

// The 24 row words of a character's glyph; any code outside 32..126 gets the blank one.
const uint16_t* FontGlyphRows(unsigned char code);

// Whether a cell of a glyph is lit.
inline bool FontCellLit(const uint16_t* rows, int column, int row) {
    return (rows[row] >> (kFontGlyphColumns - 1 - column) & 1u) != 0;
}
