// Vertex lists of the HUD elements at known coordinates, without GL.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "effect/hud/HudGeometry.h"

namespace {

struct Segment {
    float x1, y1, x2, y2;
};

// All GL_LINES primitives of a shape that are single segments, in order.
std::vector<Segment> LinesOf(const HudShape& shape) {
    std::vector<Segment> lines;
    for (int i = 0; i < shape.primitiveCount; ++i) {
        const HudPrimitive& p = shape.primitives[i];
        if (p.mode != HudMode::Lines || p.count != 2) continue;
        const HudVertex* v = shape.VerticesOf(p);
        lines.push_back({v[0].x, v[0].y, v[1].x, v[1].y});
    }
    return lines;
}

void ExpectSegment(const Segment& s, float x1, float y1, float x2, float y2) {
    EXPECT_FLOAT_EQ(s.x1, x1);
    EXPECT_FLOAT_EQ(s.y1, y1);
    EXPECT_FLOAT_EQ(s.x2, x2);
    EXPECT_FLOAT_EQ(s.y2, y2);
}

// Vertex counts of the primitives, in order.
std::vector<int> Counts(const HudShape& shape) {
    std::vector<int> counts;
    counts.reserve(static_cast<size_t>(shape.primitiveCount));
    for (int i = 0; i < shape.primitiveCount; ++i) counts.push_back(shape.primitives[i].count);
    return counts;
}

}  // namespace

TEST(HudPrimitives, FilledRectIsTwoTrianglesSharingTheDiagonal) {
    HudShape shape;
    AppendFilledRect(shape, 0.25f, 0.5f, 0.5f, 0.25f);
    ASSERT_EQ(shape.primitiveCount, 1);
    EXPECT_EQ(shape.primitives[0].mode, HudMode::Triangles);
    const float expected[6][2] = {{0.25f, 0.5f}, {0.75f, 0.5f},  {0.75f, 0.75f},
                                  {0.25f, 0.5f}, {0.75f, 0.75f}, {0.25f, 0.75f}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(shape.vertices[i].x, expected[i][0]) << i;
        EXPECT_EQ(shape.vertices[i].y, expected[i][1]) << i;
    }
}

TEST(HudPrimitives, CircleClampsToSixtyFourSegmentsAndClosesOnItself) {
    HudShape shape;
    AppendCircle(shape, 0.5f, 0.5f, 0.25f, 100);
    AppendCircle(shape, 0.5f, 0.5f, 0.25f, 16);
    ASSERT_EQ(Counts(shape), (std::vector<int>{128, 32}));
    const HudVertex* v = shape.VerticesOf(shape.primitives[0]);
    EXPECT_FLOAT_EQ(v[0].x, 0.75f);
    EXPECT_FLOAT_EQ(v[0].y, 0.5f);
    // Independent segments: each ends exactly where the next begins, the last near the first.
    for (int i = 1; i + 1 < 128; i += 2) {
        EXPECT_EQ(v[i].x, v[i + 1].x) << i;
        EXPECT_EQ(v[i].y, v[i + 1].y) << i;
    }
    EXPECT_NEAR(v[127].x, v[0].x, 1e-6f);
    EXPECT_NEAR(v[127].y, v[0].y, 1e-6f);
    for (int i = 0; i < 128; ++i) EXPECT_NEAR(std::hypot(v[i].x - 0.5f, v[i].y - 0.5f), 0.25f, 1e-6f);
    // A quarter of the way round is straight up.
    EXPECT_NEAR(v[32].x, 0.5f, 1e-6f);
    EXPECT_NEAR(v[32].y, 0.75f, 1e-6f);
}

TEST(HudPrimitives, CircleWithoutSegmentsAppendsNothing) {
    HudShape shape;
    AppendCircle(shape, 0.5f, 0.5f, 0.25f, 0);
    AppendCircle(shape, 0.5f, 0.5f, 0.25f, -8);
    EXPECT_EQ(shape.primitiveCount, 0);
    EXPECT_EQ(shape.vertexCount, 0);
}

TEST(HudPrimitives, AShapeDropsWholePrimitivesOnceFull) {
    HudShape shape;
    for (int i = 0; i < 5; ++i) AppendCircle(shape, 0.5f, 0.5f, 0.1f, 64);
    EXPECT_EQ(Counts(shape), (std::vector<int>{128, 128, 128, 128}));
    EXPECT_EQ(shape.vertexCount, HudShape::kMaxVertices);
    AppendLine(shape, 0, 0, 1, 1);
    EXPECT_EQ(shape.primitiveCount, 4);

    shape.Clear();
    for (int i = 0; i < HudShape::kMaxPrimitives + 3; ++i) AppendLine(shape, 0, 0, 1, 1);
    EXPECT_EQ(shape.primitiveCount, HudShape::kMaxPrimitives);
    EXPECT_EQ(shape.vertexCount, 2 * HudShape::kMaxPrimitives);
}

TEST(HudCrosshair, StandardHasFourArmsAroundAGapAndACentreDot) {
    HudShape shape;
    AppendCrosshair(shape, 0);
    const std::vector<Segment> lines = LinesOf(shape);
    ASSERT_EQ(lines.size(), 4u);
    ExpectSegment(lines[0], 0.405f, 0.5f, 0.4715f, 0.5f);
    ExpectSegment(lines[1], 0.5285f, 0.5f, 0.595f, 0.5f);
    ExpectSegment(lines[2], 0.5f, 0.405f, 0.5f, 0.4715f);
    ExpectSegment(lines[3], 0.5f, 0.5285f, 0.5f, 0.595f);
    ASSERT_EQ(shape.primitiveCount, 5);
    const HudPrimitive& dot = shape.primitives[4];
    EXPECT_EQ(dot.mode, HudMode::Triangles);
    EXPECT_FLOAT_EQ(shape.VerticesOf(dot)[0].x, 0.497f);
    EXPECT_FLOAT_EQ(shape.VerticesOf(dot)[2].y, 0.503f);
}

TEST(HudCrosshair, TacticalHasTwoRingsAFullCrossAndTwelveTicks) {
    HudShape shape;
    AppendCrosshair(shape, 1);
    ASSERT_EQ(shape.primitiveCount, 16);
    EXPECT_EQ(shape.primitives[0].count, 64);
    EXPECT_EQ(shape.primitives[1].count, 32);
    EXPECT_NEAR(shape.VerticesOf(shape.primitives[0])[0].x, 0.538f, 1e-6f);
    EXPECT_NEAR(shape.VerticesOf(shape.primitives[1])[0].x, 0.51425f, 1e-6f);
    const std::vector<Segment> lines = LinesOf(shape);
    ASSERT_EQ(lines.size(), 14u);
    ExpectSegment(lines[0], 0.405f, 0.5f, 0.595f, 0.5f);
    ExpectSegment(lines[1], 0.5f, 0.405f, 0.5f, 0.595f);
    // Ticks outward from the centre: right, left, up, down at each step of 0.02375.
    ExpectSegment(lines[2], 0.52375f, 0.492f, 0.52375f, 0.508f);
    ExpectSegment(lines[3], 0.47625f, 0.492f, 0.47625f, 0.508f);
    ExpectSegment(lines[4], 0.492f, 0.52375f, 0.508f, 0.52375f);
    ExpectSegment(lines[5], 0.492f, 0.47625f, 0.508f, 0.47625f);
    ExpectSegment(lines[13], 0.492f, 0.42875f, 0.508f, 0.42875f);
}

TEST(HudCrosshair, MinimalIsFourCornerMarks) {
    HudShape shape;
    AppendCrosshair(shape, 2);
    const std::vector<Segment> lines = LinesOf(shape);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(shape.primitiveCount, 8);
    ExpectSegment(lines[0], 0.462f, 0.51425f, 0.462f, 0.538f);
    ExpectSegment(lines[1], 0.462f, 0.538f, 0.48575f, 0.538f);
    ExpectSegment(lines[3], 0.538f, 0.538f, 0.51425f, 0.538f);
    ExpectSegment(lines[6], 0.538f, 0.48575f, 0.538f, 0.462f);
    ExpectSegment(lines[7], 0.538f, 0.462f, 0.51425f, 0.462f);
}

TEST(HudElements, UnknownStylesAndModesAppendNothing) {
    HudShape shape;
    AppendCrosshair(shape, 3);
    AppendCrosshair(shape, -1);
    AppendGrid(shape, 3);
    AppendScanSweep(shape, 0, 0.5f, 10);
    AppendScanSweep(shape, 4, 0.5f, 10);
    EXPECT_EQ(shape.primitiveCount, 0);
}

TEST(HudGrid, SquareDrawsEightLinesEachWayIncludingTheBorders) {
    HudShape shape;
    AppendGrid(shape, 0);
    const std::vector<Segment> lines = LinesOf(shape);
    ASSERT_EQ(lines.size(), 16u);
    for (size_t i = 0; i < 8; ++i) {
        const float t = static_cast<float>(i) / 7.0f;
        ExpectSegment(lines[2 * i], t, 0.0f, t, 1.0f);
        ExpectSegment(lines[2 * i + 1], 0.0f, t, 1.0f, t);
    }
    EXPECT_EQ(lines[0].x1, 0.0f);
    EXPECT_EQ(lines[14].x1, 1.0f);
    EXPECT_EQ(lines[15].y1, 1.0f);
}

TEST(HudGrid, ThirdsEndWithASmallCentreCross) {
    HudShape shape;
    AppendGrid(shape, 1);
    const std::vector<Segment> lines = LinesOf(shape);
    ASSERT_EQ(lines.size(), 6u);
    ExpectSegment(lines[0], 0.333f, 0.0f, 0.333f, 1.0f);
    ExpectSegment(lines[3], 0.0f, 0.667f, 1.0f, 0.667f);
    ExpectSegment(lines[4], 0.49f, 0.5f, 0.51f, 0.5f);
    ExpectSegment(lines[5], 0.5f, 0.49f, 0.5f, 0.51f);
}

TEST(HudGrid, RadialHasThreeRingsThenEightSpokes) {
    HudShape shape;
    AppendGrid(shape, 2);
    ASSERT_EQ(Counts(shape), (std::vector<int>{64, 64, 64, 2, 2, 2, 2, 2, 2, 2, 2}));
    const float radii[3] = {0.15f, 0.3f, 0.45f};
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(shape.VerticesOf(shape.primitives[k])[0].x, 0.5f + radii[k], 1e-6f);
    const std::vector<Segment> spokes = LinesOf(shape);
    ExpectSegment(spokes[0], 0.5f, 0.5f, 0.95f, 0.5f);
    EXPECT_NEAR(spokes[2].x2, 0.5f, 1e-6f);  // a quarter turn: straight up
    EXPECT_NEAR(spokes[2].y2, 0.95f, 1e-6f);
    EXPECT_NEAR(spokes[5].x2, 0.5f - 0.45f * std::sqrt(0.5f), 1e-6f);
    EXPECT_NEAR(spokes[5].y2, 0.5f - 0.45f * std::sqrt(0.5f), 1e-6f);
}

TEST(HudCornerBrackets, EachCornerHasAHorizontalThenAVerticalArmPointingInwards) {
    HudShape shape;
    AppendCornerBrackets(shape);
    const std::vector<Segment> lines = LinesOf(shape);
    ASSERT_EQ(lines.size(), 8u);
    ExpectSegment(lines[0], 0.02f, 0.02f, 0.0725f, 0.02f);
    ExpectSegment(lines[1], 0.02f, 0.02f, 0.02f, 0.0725f);
    ExpectSegment(lines[2], 0.98f, 0.02f, 0.9275f, 0.02f);
    ExpectSegment(lines[3], 0.98f, 0.02f, 0.98f, 0.0725f);
    ExpectSegment(lines[4], 0.02f, 0.98f, 0.0725f, 0.98f);
    ExpectSegment(lines[5], 0.02f, 0.98f, 0.02f, 0.9275f);
    ExpectSegment(lines[6], 0.98f, 0.98f, 0.9275f, 0.98f);
    ExpectSegment(lines[7], 0.98f, 0.98f, 0.98f, 0.9275f);
}

TEST(HudScanSweep, HorizontalAndVerticalLinesCrossTheWholeOutput) {
    HudShape shape;
    AppendScanSweep(shape, 1, 0.0f, 99);
    AppendScanSweep(shape, 2, 0.25f, 99);
    const std::vector<Segment> lines = LinesOf(shape);
    ASSERT_EQ(lines.size(), 2u);
    ExpectSegment(lines[0], 0.0f, 0.0f, 1.0f, 0.0f);  // position 0 is the bottom edge
    ExpectSegment(lines[1], 0.25f, 0.0f, 0.25f, 1.0f);
}

TEST(HudScanSweep, RadarAtTheFirstFramePointsRightWithATrailLaggingBehind) {
    HudShape shape;
    AppendScanSweep(shape, 3, 0.7f, 0);
    ASSERT_EQ(Counts(shape), (std::vector<int>{2, 2, 2, 2, 2, 48, 64, 80}));
    const std::vector<Segment> lines = LinesOf(shape);
    ExpectSegment(lines[0], 0.5f, 0.5f, 0.95f, 0.5f);
    const float lengths[4] = {0.36f, 0.27f, 0.18f, 0.09f};
    for (int i = 1; i <= 4; ++i) {
        const Segment& trail = lines[i];
        EXPECT_EQ(trail.x1, 0.5f);
        EXPECT_EQ(trail.y1, 0.5f);
        const float dx = trail.x2 - 0.5f, dy = trail.y2 - 0.5f;
        EXPECT_NEAR(std::atan2(dy, dx), -0.08f * static_cast<float>(i), 1e-5f) << i;
        EXPECT_NEAR(std::hypot(dx, dy), lengths[i - 1], 1e-6f) << i;
    }
    const float rings[3] = {0.1485f, 0.297f, 0.45f};
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(shape.VerticesOf(shape.primitives[5 + k])[0].x, 0.5f + rings[k], 1e-6f);
}

TEST(HudScanSweep, RadarTurnsCounterClockwiseAtOnePointSevenRadiansASecond) {
    HudShape shape;
    AppendScanSweep(shape, 3, 0.0f, 60);
    const Segment sweep = LinesOf(shape)[0];
    EXPECT_NEAR(std::atan2(sweep.y2 - 0.5f, sweep.x2 - 0.5f), 1.7f, 1e-5f);
    EXPECT_GT(sweep.y2, 0.5f);
}

TEST(HudEdgeLines, OnlyLinesAlongTheEdgeMoveHalfAPixelInside) {
    HudVertex left[2] = {{0.0f, 0.0f}, {0.0f, 1.0f}}, top[2] = {{0.0f, 1.0f}, {1.0f, 1.0f}};
    ASSERT_TRUE(LiesOnFrameEdge(left[0], left[1]));
    ASSERT_TRUE(LiesOnFrameEdge(top[0], top[1]));
    MoveOntoEdgePixels(left[0], left[1], 200.0f, 100.0f);
    MoveOntoEdgePixels(top[0], top[1], 200.0f, 100.0f);
    ExpectSegment({left[0].x, left[0].y, left[1].x, left[1].y}, 0.0025f, 0.0f, 0.0025f, 1.0f);
    ExpectSegment({top[0].x, top[0].y, top[1].x, top[1].y}, 0.0f, 0.995f, 1.0f, 0.995f);
    // Lines that only touch an edge, or cross the frame, stay where they are.
    for (const Segment& s : {Segment{1.0f / 7.0f, 0.0f, 1.0f / 7.0f, 1.0f}, Segment{0.0f, 0.0f, 1.0f, 1.0f},
                             Segment{0.0f, 0.333f, 1.0f, 0.333f}}) {
        HudVertex a{s.x1, s.y1}, b{s.x2, s.y2};
        EXPECT_FALSE(LiesOnFrameEdge(a, b));
        MoveOntoEdgePixels(a, b, 200.0f, 100.0f);
        ExpectSegment({a.x, a.y, b.x, b.y}, s.x1, s.y1, s.x2, s.y2);
    }
}
