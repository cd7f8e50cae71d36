// The batched HUD without GL: glyph runs stand for exactly the lit cells with the cells'
// own edge floats, the command list joins what may be joined and nothing more, and the
// line buffer holds the largest HUD a frame can make.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

#include "effect/font/GlyphCells.h"
#include "effect/font/GlyphRuns.h"
#include "effect/font/GlyphTable.h"
#include "effect/hud/GlyphEdges.h"
#include "effect/hud/HudCapacity.h"
#include "effect/hud/HudCommandList.h"
#include "effect/hud/HudGeometry.h"
#include "effect/hud/InfoBlockLayout.h"
#include "tests/support/GlyphReference.h"

namespace {

bool SameFloat(float a, float b) { return std::bit_cast<uint32_t>(a) == std::bit_cast<uint32_t>(b); }

struct CellHits {
    std::vector<CellRect> cells;
    std::vector<int> hits;
};

// For every run: it must be made of whole cells (its edges bit-equal to edges of its
// outer cells), and each cell it holds counts one hit.
void CoverCells(const uint16_t* rows, float x, float y, float size, CellHits& out) {
    ForEachGlyphCell(rows, x, y, size, [&](const CellRect& cell) { out.cells.push_back(cell); });
    out.hits.assign(out.cells.size(), 0);
    ForEachGlyphRun(rows, x, y, size, [&](const HudEdges& run) {
        bool left = false, right = false, bottom = false, top = false;
        for (size_t i = 0; i < out.cells.size(); ++i) {
            const CellRect& c = out.cells[i];
            const float cellRight = c.x + c.width, cellTop = c.y + c.height;
            left |= SameFloat(c.x, run.left);
            right |= SameFloat(cellRight, run.right);
            bottom |= SameFloat(c.y, run.bottom);
            top |= SameFloat(cellTop, run.top);
            if (c.x >= run.left && cellRight <= run.right && c.y >= run.bottom && cellTop <= run.top) ++out.hits[i];
        }
        EXPECT_TRUE(left && right && bottom && top) << "a run edge that no cell has";
    });
}

TEST(GlyphRuns, EveryLitCellOfEveryGlyphIsCoveredOnceWithTheCellsOwnEdges) {
    const float places[][3] = {{0.898f, 0.95f, 0.0105f}, {0.02f, 0.055f, 0.00688f}, {0.4f, 0.4f, 0.1f}};
    for (int glyph = 0; glyph < kGlyphCount; ++glyph)
        for (const auto& place : places) {
            CellHits result;
            CoverCells(GlyphTable[glyph], place[0], place[1], place[2], result);
            for (size_t i = 0; i < result.hits.size(); ++i)
                ASSERT_EQ(result.hits[i], 1) << "glyph " << glyph << " cell " << i << " size " << place[2];
        }
}

TEST(GlyphRuns, StrokesBecomeFewRectangles) {
    // "0": rows 7..15 repeat 1C70, so its two sides are one rectangle each there.
    int runs = 0, cells = 0;
    const uint16_t* zero = GlyphTable['0' - 32];
    ForEachGlyphRun(zero, 0.0f, 0.0f, 0.1f, [&](const HudEdges&) { ++runs; });
    ForEachGlyphCell(zero, 0.0f, 0.0f, 0.1f, [&](const CellRect&) { ++cells; });
    EXPECT_EQ(cells, 90);
    EXPECT_LE(runs, 10);
}

TEST(GlyphRuns, TheBuiltInTableHoldsEveryRunOfEveryGlyph) {
    for (int glyph = 0; glyph < kGlyphCount; ++glyph) {
        std::vector<GlyphRun> found;
        ForEachRunOfCells(GlyphTable[glyph], [&](const GlyphRun& run) { found.push_back(run); });
        const GlyphRuns& table = BuiltInGlyphRuns(glyph);
        ASSERT_EQ(table.count, static_cast<int>(found.size())) << "glyph " << glyph;
        for (size_t i = 0; i < found.size(); ++i)
            EXPECT_EQ(std::memcmp(&table.runs[i], &found[i], sizeof(GlyphRun)), 0) << "glyph " << glyph << " run " << i;
    }
}

TEST(HudCommands, ARunDrawsItsLinesOnceAndItsTrianglesOnce) {
    HudCommandList list;
    list.Allocate(16, 24);
    ASSERT_TRUE(list.AddColor(3, 1.0f, 0.5f, 0.25f, 0.8f));
    ASSERT_NE(list.Reserve(HudMode::Lines, 2), nullptr);
    ASSERT_NE(list.Reserve(HudMode::Triangles, 6), nullptr);
    ASSERT_NE(list.Reserve(HudMode::Lines, 4), nullptr);  // joins the first line draw
    ASSERT_EQ(list.CommandCount(), 3);
    const HudCommand* c = list.Commands();
    EXPECT_EQ(c[0].kind, HudCommand::Kind::Color);
    EXPECT_EQ(c[0].location, 3);
    EXPECT_EQ(c[1].mode, HudMode::Lines);
    EXPECT_EQ(c[1].first, 0);
    EXPECT_EQ(c[1].count, 6);
    EXPECT_EQ(c[2].mode, HudMode::Triangles);
    EXPECT_EQ(c[2].first, 16);  // triangles start after the line region
    EXPECT_EQ(c[2].count, 6);
    EXPECT_EQ(list.UsedSpan(), 22);
}

TEST(HudCommands, AStateChangeStartsANewDrawInOrder) {
    HudCommandList list;
    list.Allocate(16, 0);
    ASSERT_NE(list.Reserve(HudMode::Lines, 2), nullptr);
    ASSERT_TRUE(list.AddLineWidth(2.0f));
    ASSERT_NE(list.Reserve(HudMode::Lines, 2), nullptr);
    ASSERT_EQ(list.CommandCount(), 3);
    EXPECT_EQ(list.Commands()[0].count, 2);
    EXPECT_EQ(list.Commands()[1].kind, HudCommand::Kind::LineWidth);
    EXPECT_EQ(list.Commands()[1].values[0], 2.0f);
    EXPECT_EQ(list.Commands()[2].first, 2);
    EXPECT_EQ(list.UsedSpan(), 4);
}

TEST(HudCommands, FullRegionsAndFullCommandListsRefuseRatherThanOverrun) {
    HudCommandList list;
    list.Allocate(4, 6);
    EXPECT_NE(list.Reserve(HudMode::Lines, 4), nullptr);
    EXPECT_EQ(list.Reserve(HudMode::Lines, 2), nullptr);
    EXPECT_EQ(list.Reserve(HudMode::Triangles, 12), nullptr);
    EXPECT_EQ(list.Reserve(HudMode::Triangles, 0), nullptr);
    list.Clear();
    EXPECT_TRUE(list.Empty());
    for (int i = 0; i < HudCommandList::kMaxCommands; ++i) ASSERT_TRUE(list.AddLineWidth(1.0f));
    EXPECT_FALSE(list.AddColor(0, 0.0f, 0.0f, 0.0f, 0.0f));
    EXPECT_EQ(list.Reserve(HudMode::Lines, 2), nullptr);
}

TEST(HudCapacity, TheLargestHudFitsTheLineBufferInOnePiece) {
    HudShape shape;
    AppendCornerBrackets(shape);
    int lines = shape.vertexCount;
    int largestGrid = 0, largestSweep = 0, largestCrosshair = 0;
    for (int style = 0; style < 3; ++style) {
        shape.Clear();
        AppendGrid(shape, style);
        largestGrid = std::max(largestGrid, shape.vertexCount);
        shape.Clear();
        AppendScanSweep(shape, style + 1, 0.5f, 10);
        largestSweep = std::max(largestSweep, shape.vertexCount);
        shape.Clear();
        AppendCrosshair(shape, style);
        largestCrosshair = std::max(largestCrosshair, shape.vertexCount);
    }
    lines += largestGrid + largestSweep + largestCrosshair;
    EXPECT_EQ(lines, 550);
    EXPECT_LE(lines, kHudLineVertexCapacity);

    // Run by run, with any clock the block can show, the info block's texts fit.
    auto runs = [](const char* text) {
        int count = 0;
        for (; *text; ++text)
            ForEachGlyphRun(GlyphTable[GlyphIndex(static_cast<unsigned char>(*text))], 0.0f, 0.0f, 0.01f,
                            [&](const HudEdges&) { ++count; });
        return count;
    };
    int captions = runs(kRecordingSign.text);
    for (const InfoLine& caption : kCaptions) captions += runs(caption.text);
    int widestClock = runs("--:--:--:00");
    for (const char* digit : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"})
        widestClock = std::max(widestClock, 8 * runs(digit) + 3 * runs(":"));
    EXPECT_LE(6 * (2 + captions + widestClock), HudTriangleVertexCapacity());
    EXPECT_EQ(HudLineBufferBytes(), (kHudLineVertexCapacity + HudTriangleVertexCapacity()) * sizeof(HudVertex));
}

}  // namespace
