#pragma once

#include <cstdint>

// Built-in bitmap font for the printable ASCII codes 32..126.
// Index = character code - 32. Each glyph is 24 rows of 16 cells, row 0 at
// the top; bit 15 is the leftmost column and a set bit is a lit cell.
// Layout: rows 0-2 stay empty (line spacing); capitals and digits span rows
// 4..18, short lower-case letters rows 8..18, descenders reach row 22; only
// '$' enters row 3 and only '@' row 23. Strokes are three cells wide; most
// glyphs keep to columns 1..13, only '%', '@', 'W' and 'm' use column 0 or 15.
extern const uint16_t GlyphTable[95][24];
