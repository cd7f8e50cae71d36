// Layout rules of the built-in font, checked over every glyph so that a mistyped row
// word or a glyph drawn outside its band shows up here rather than in a caption.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <set>
#include <string>

#include "effect/font/GlyphTable.h"

namespace {

constexpr int kRows = 24;
constexpr uint16_t kEdgeColumns = 0x8001;  // columns 0 and 15

const uint16_t* Glyph(char c) { return GlyphTable[static_cast<unsigned char>(c) - 32]; }

// First and last row with a lit cell, or -1 for a blank glyph.
int FirstLitRow(char c) {
    for (int r = 0; r < kRows; ++r)
        if (Glyph(c)[r] != 0) return r;
    return -1;
}

int LastLitRow(char c) {
    for (int r = kRows - 1; r >= 0; --r)
        if (Glyph(c)[r] != 0) return r;
    return -1;
}

std::string Printable() {
    std::string all;
    for (int code = 33; code <= 126; ++code) all += static_cast<char>(code);
    return all;
}

void ExpectGlyph(char c, const std::array<uint16_t, kRows>& rows) {
    for (int r = 0; r < kRows; ++r) EXPECT_EQ(Glyph(c)[r], rows[r]) << "'" << c << "' row " << r;
}

TEST(GlyphTable, DocumentedGlyphsAreExact) {
    ExpectGlyph('0', {0x0000, 0x0000, 0x0000, 0x0000, 0x07C0, 0x0FE0, 0x0EE0, 0x1C70, 0x1C70, 0x1C70, 0x1C70, 0x1C70,
                      0x1C70, 0x1C70, 0x1C70, 0x1C70, 0x0EE0, 0x0FE0, 0x07C0, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000});
    ExpectGlyph('R', {0x0000, 0x0000, 0x0000, 0x0000, 0x7FE0, 0x7FF0, 0x7FF8, 0x7038, 0x7038, 0x7078, 0x7FF8, 0x7FF0,
                      0x7FC0, 0x71E0, 0x70F0, 0x70F0, 0x7078, 0x703C, 0x703C, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000});
    ExpectGlyph(':', {0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0380, 0x0380, 0x0380, 0x0000,
                      0x0000, 0x0000, 0x0000, 0x0000, 0x0380, 0x0380, 0x0380, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000});
}

TEST(GlyphTable, SpaceIsBlankAndEveryOtherGlyphHasInk) {
    EXPECT_EQ(FirstLitRow(' '), -1);
    for (char c : Printable()) EXPECT_NE(FirstLitRow(c), -1) << "'" << c << "' is blank";
}

TEST(GlyphTable, VerticalBandsKeepLinesApart) {
    for (char c : Printable()) {
        SCOPED_TRACE(std::string("glyph '") + c + "'");
        // Rows 0-2 are the line gap; only '$' pokes into row 3 and only '@' into row 23.
        EXPECT_GE(FirstLitRow(c), c == '$' ? 3 : 4);
        EXPECT_LE(LastLitRow(c), c == '@' ? 23 : 22);
    }
    EXPECT_EQ(FirstLitRow('$'), 3);
    EXPECT_EQ(LastLitRow('@'), 23);
}

TEST(GlyphTable, CapitalsDigitsAndAscendersFillTheCapHeight) {
    for (char c : std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789bdfhklt")) {
        EXPECT_EQ(FirstLitRow(c), 4) << "'" << c << "'";
        EXPECT_EQ(LastLitRow(c), 18) << "'" << c << "'";
    }
}

TEST(GlyphTable, ShortLowerCaseFillsTheXHeight) {
    for (char c : std::string("acemnorsuvwxz")) {
        EXPECT_EQ(FirstLitRow(c), 8) << "'" << c << "'";
        EXPECT_EQ(LastLitRow(c), 18) << "'" << c << "'";
    }
}

TEST(GlyphTable, DescendersReachBelowTheBaseline) {
    for (char c : std::string("gjpqy")) EXPECT_EQ(LastLitRow(c), 22) << "'" << c << "'";
    for (char c : std::string("gpqy")) EXPECT_EQ(FirstLitRow(c), 8) << "'" << c << "'";
}

// Characters touch the box edge only where a glyph needs the width; everything else
// keeps a gap so that text needs no extra spacing.
TEST(GlyphTable, OnlyWideGlyphsUseTheEdgeColumns) {
    const std::string wide = "%@Wm";
    for (char c : Printable()) {
        bool usesEdge = false;
        for (int r = 0; r < kRows; ++r) usesEdge = usesEdge || (Glyph(c)[r] & kEdgeColumns) != 0;
        EXPECT_EQ(usesEdge, wide.find(c) != std::string::npos) << "'" << c << "'";
    }
}

// Strokes are at least two cells wide in every row, so a stray single bit is a typo.
TEST(GlyphTable, NoRowHasALoneCell) {
    for (char c : Printable()) {
        for (int r = 0; r < kRows; ++r) {
            const unsigned w = Glyph(c)[r];
            const unsigned lone = w & ~(w << 1) & ~(w >> 1) & 0xFFFFu;
            EXPECT_EQ(lone, 0u) << "'" << c << "' row " << r;
        }
    }
}

TEST(GlyphTable, EveryGlyphIsDistinct) {
    std::set<std::array<uint16_t, kRows>> seen;
    for (int i = 0; i < 95; ++i) {
        std::array<uint16_t, kRows> rows{};
        for (int r = 0; r < kRows; ++r) rows[r] = GlyphTable[i][r];
        EXPECT_TRUE(seen.insert(rows).second) << "'" << static_cast<char>(i + 32) << "' repeats an earlier glyph";
    }
}

}  // namespace
