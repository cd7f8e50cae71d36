// Glyph cells, the clock text and the recording sign's blink, without GL.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <vector>

#include "effect/font/GlyphCells.h"
#include "effect/hud/Clock.h"
#include "effect/hud/ClockText.h"
#include "effect/hud/InfoBlockLayout.h"
#include "tests/support/GlyphReference.h"

namespace {

constexpr uint16_t kGlyphR[24] = {0x0000, 0x0000, 0x0000, 0x0000, 0x7FE0, 0x7FF0, 0x7FF8, 0x7038,
                                  0x7038, 0x7078, 0x7FF8, 0x7FF0, 0x7FC0, 0x71E0, 0x70F0, 0x70F0,
                                  0x7078, 0x703C, 0x703C, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000};

std::vector<CellRect> CellsOf(const uint16_t* rows, float x, float y, float size) {
    std::vector<CellRect> cells;
    ForEachGlyphCell(rows, x, y, size, [&](const CellRect& cell) { cells.push_back(cell); });
    return cells;
}

int LitCells(const uint16_t* rows) {
    int lit = 0;
    for (int r = 0; r < kGlyphRows; ++r) lit += std::popcount(rows[r]);
    return lit;
}

}  // namespace

TEST(GlyphCells, TheRecordingSignsRStartsWithItsTopRowJustAboveTheBaseline) {
    const std::vector<CellRect> cells = CellsOf(kGlyphR, 0.898f, 0.95f, 0.0105f);
    ASSERT_EQ(static_cast<int>(cells.size()), LitCells(kGlyphR));
    // Row 4, 0x7FE0: columns 1 to 10.
    const CellRect& first = cells.front();
    EXPECT_NEAR(first.y, 0.96247f, 1e-5f);
    EXPECT_FLOAT_EQ(first.x, 0.898f + 0.0105f * 0.0625f);
    EXPECT_FLOAT_EQ(first.width, 0.00065625f);
    EXPECT_FLOAT_EQ(first.height, 0.00065625f);
    EXPECT_FLOAT_EQ(cells[9].x, 0.898f + 10.0f * 0.00065625f);
    EXPECT_EQ(cells[9].y, first.y);
    EXPECT_LT(cells[10].y, first.y);  // row 5 starts the next run, one cell lower
    // The bottom row (18) ends the glyph, well above the box's own bottom.
    EXPECT_NEAR(cells.back().y, 0.95f + 5.0f * 0.00065625f, 1e-6f);
    EXPECT_NEAR(cells.back().x, 0.898f + 13.0f * 0.00065625f, 1e-6f);
}

TEST(GlyphCells, CellsTileTheGlyphBoxWithoutGaps) {
    uint16_t full[24];
    for (uint16_t& row : full) row = 0xFFFF;
    const std::vector<CellRect> cells = CellsOf(full, 0.25f, 0.5f, 0.0625f);
    ASSERT_EQ(cells.size(), 384u);
    EXPECT_FLOAT_EQ(cells.front().y + cells.front().height, 0.5f + 0.09375f);  // top of the box
    EXPECT_FLOAT_EQ(cells.back().y, 0.5f);
    EXPECT_FLOAT_EQ(cells.back().x + cells.back().width, 0.3125f);
    for (size_t i = 1; i < 16; ++i) EXPECT_FLOAT_EQ(cells[i].x, cells[i - 1].x + cells[i - 1].width);
}

TEST(GlyphCells, CodesOutsideThePrintableRangeUseTheBlankGlyph) {
    EXPECT_EQ(GlyphIndex(' '), 0);
    EXPECT_EQ(GlyphIndex('!'), 1);
    EXPECT_EQ(GlyphIndex('R'), 'R' - 32);
    EXPECT_EQ(GlyphIndex('~'), 94);
    for (unsigned char code : {0, 9, 31, 127, 128, 200, 255}) EXPECT_EQ(GlyphIndex(code), 0) << int(code);
}

TEST(GlyphCells, TextAdvancesByTheGlyphSizeFromItsStart) {
    EXPECT_FLOAT_EQ(CharacterX(0.72f, 0, 0.0105f), 0.72f);
    EXPECT_EQ(CharacterX(0.72f, 10, 0.0105f), 0.72f + 10.0f * 0.0105f);
}

TEST(ClockText, ShowsLocalTimeThenTheFrameCountModuloSixty) {
    EXPECT_STREQ(FormatClockText(ClockTime{14, 3, 9}, 125).text, "14:03:09:05");
    EXPECT_STREQ(FormatClockText(ClockTime{0, 0, 0}, 0).text, "00:00:00:00");
    EXPECT_STREQ(FormatClockText(ClockTime{23, 59, 59}, 59).text, "23:59:59:59");
    EXPECT_STREQ(FormatClockText(ClockTime{23, 59, 59}, 60).text, "23:59:59:00");
    EXPECT_EQ(std::strlen(FormatClockText(ClockTime{9, 5, 1}, 2147483647).text), 11u);
}

TEST(ClockText, KeepsTheFramesWhenLocalTimeIsUnavailable) {
    EXPECT_STREQ(FormatClockText(std::nullopt, 125).text, "--:--:--:05");
}

TEST(Clock, SystemLocalTimeIsATimeOfDay) {
    const std::optional<ClockTime> now = SystemLocalTime();
    ASSERT_TRUE(now.has_value());
    EXPECT_GE(now->hour, 0);
    EXPECT_LE(now->hour, 23);
    EXPECT_LE(now->minute, 59);
    EXPECT_LE(now->second, 60);
}

TEST(RecordingSign, BlinksWithTheFrameCount) {
    EXPECT_TRUE(RecordingSignVisible(0));  // sin 0 is not below 0
    EXPECT_TRUE(RecordingSignVisible(1));
    EXPECT_TRUE(RecordingSignVisible(37));   // sin(3.083) > 0
    EXPECT_FALSE(RecordingSignVisible(38));  // sin(3.167) < 0
    EXPECT_FALSE(RecordingSignVisible(45));
    EXPECT_TRUE(RecordingSignVisible(76));  // one period, 2 pi / 5 s, later
}

// Half a blink is 2 pi / 5 s at 60 frames a second, 37.7 frames: every run of frames with
// the sign shown or hidden is 37 or 38 long, after a day, a week or a year as in the first minute.
TEST(RecordingSign, BlinksEvenlyHoweverLongTheShowHasRun) {
    for (const int32_t start : {0, 60 * 60 * 24, 60 * 60 * 24 * 7, 60 * 60 * 24 * 365}) {
        int32_t runStart = -1;
        for (int32_t frame = start + 1; frame < start + 2000; ++frame) {
            if (RecordingSignVisible(frame) == RecordingSignVisible(frame - 1)) continue;
            if (runStart >= 0) {
                EXPECT_GE(frame - runStart, 37) << "from frame " << runStart;
                EXPECT_LE(frame - runStart, 38) << "from frame " << runStart;
            }
            runStart = frame;
        }
        EXPECT_GE(runStart, start + 1900) << "the sign kept blinking from frame " << start;
    }
}
