// Where the lit cells of a bitmap glyph land in HUD space. A glyph of size s drawn at
// (x, y) fills the box from (x, y) to (x + s, y + 1.5 s): 16 columns by 24 rows.
#pragma once

#include <cstdint>

constexpr int kGlyphRows = 24;
constexpr int kGlyphColumns = 16;
constexpr int kGlyphCount = 95;  // character codes 32 ' ' to 126 '~'

// The table entry for a character; every code outside 32..126 gets the blank glyph 0.
inline int GlyphIndex(unsigned char code) {
    const unsigned char index = static_cast<unsigned char>(code - 32);
    return index > kGlyphCount - 1 ? 0 : index;
}

// Left edge of character i of a text: glyphs advance by their size, with no spacing.
inline float CharacterX(float x, int index, float size) { return x + static_cast<float>(index) * size; }

// Where the cells of a glyph drawn at (x, y) with size s land. Cells and runs share it,
// so a run's edges are the very floats of its outer cells' edges.
struct GlyphBox {
    GlyphBox(float x, float y, float size) : x(x), y(y), h(size * 1.5f), w(size * 0.0625f), ch(h / 24.0f) {}
    float Left(int column) const { return x + static_cast<float>(column) * w; }
    float RowBottom(int row) const { return (h + y) - static_cast<float>(row + 1) * ch; }

    float x;
    float y;
    float h;   // glyph height
    float w;   // cell width
    float ch;  // cell height
};

// Whether columns first..last of a row word are lit and the columns beside them dark.
inline bool HasRun(uint16_t word, int first, int last) {
    for (int c = first; c <= last; ++c)
        if (!(word & (0x8000u >> c))) return false;
    const bool darkLeft = first == 0 || !(word & (0x8000u >> (first - 1)));
    const bool darkRight = last == kGlyphColumns - 1 || !(word & (0x8000u >> (last + 1)));
    return darkLeft && darkRight;
}

// Columns firstColumn..lastColumn of rows topRow..bottomRow, every cell lit: the
// rectangle that stands for those cells.
struct GlyphRun {
    uint8_t firstColumn;
    uint8_t lastColumn;
    uint8_t topRow;
    uint8_t bottomRow;
};

// Calls emit(GlyphRun) for each run of neighbouring lit cells in a row, joined with the
// same run in the rows below it; top first, left to right.
template <typename Emit>
void ForEachRunOfCells(const uint16_t* rows, Emit&& emit) {
    for (int r = 0; r < kGlyphRows; ++r) {
        const uint16_t word = rows[r];
        for (int c = 0; c < kGlyphColumns; ++c) {
            if (!(word & (0x8000u >> c))) continue;
            const int first = c;
            while (c + 1 < kGlyphColumns && (word & (0x8000u >> (c + 1)))) ++c;
            if (r > 0 && HasRun(rows[r - 1], first, c)) continue;  // drawn with the row above
            int last = r;
            while (last + 1 < kGlyphRows && HasRun(rows[last + 1], first, c)) ++last;
            emit(GlyphRun{static_cast<uint8_t>(first), static_cast<uint8_t>(c), static_cast<uint8_t>(r),
                          static_cast<uint8_t>(last)});
        }
    }
}
