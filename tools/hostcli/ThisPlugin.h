// What vigil-host knows of the plug-in it is built beside, beyond what FFGL tells any host:
// the texts it logs when a file parameter's load ends, and its bitmap font. This file is
// the one place where tools/ know them (and reach into effect/ for the font); the generic
// host takes them from here and drives every plug-in the same way with them.
#pragma once

#include <cstdint>

#include "tools/hostkit/FileLoadWait.h"

// It logs "Loaded ..." once a file parameter's picture is in, "Failed ..." when it is not.
inline constexpr FileLoadLines kThisPluginFileLoadLines{"Loaded ", "Failed "};

// The bitmap font the host draws its own texts with (the font sheet, captions): the
// plug-in's built-in font. A host without the plug-in's sources would give its own glyphs.
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
