// Every HUD element drawn through the effect's own line program and buffer, read back
// from the render target at the pixels where its lines must fall.
#include <cmath>

#include "tests/support/EffectRender.h"

using HudDrawing = HudRender;

TEST_F(HudDrawing, LineAndRectLandWhereHudSpaceSays) {
    effect->DrawLine(0.1f, 0.3f, 0.9f, 0.3f);
    effect->DrawFilledRect(0.6f, 0.6f, 0.2f, 0.1f);
    Capture();
    EXPECT_TRUE(pixels.LitNear(0.15f, 0.3f));
    EXPECT_TRUE(pixels.LitNear(0.85f, 0.3f));
    EXPECT_FALSE(pixels.LitNear(0.05f, 0.3f));
    EXPECT_FALSE(pixels.LitNear(0.5f, 0.4f));
    // The rectangle fills 40 x 20 pixels, no more.
    EXPECT_EQ(pixels.LitIn(0.55f, 0.55f, 0.85f, 0.75f), 40 * 20);
    EXPECT_TRUE(pixels.Lit(120, 120));
    EXPECT_TRUE(pixels.Lit(159, 139));
    EXPECT_FALSE(pixels.Lit(160, 139));
}

TEST_F(HudDrawing, CircleIsARingAroundItsCentre) {
    effect->DrawCircle(0.5f, 0.5f, 0.3f, 100);
    Capture();
    for (float angle = 0.0f; angle < 6.28f; angle += 0.4f)
        EXPECT_TRUE(pixels.LitNear(0.5f + 0.3f * std::cos(angle), 0.5f + 0.3f * std::sin(angle))) << angle;
    EXPECT_EQ(pixels.LitIn(0.4f, 0.4f, 0.6f, 0.6f), 0);
    EXPECT_FALSE(pixels.LitNear(0.5f, 0.9f));
}

TEST_F(HudDrawing, CornerBracketsSitInTheFourCorners) {
    effect->DrawCornerBrackets();
    Capture();
    EXPECT_TRUE(pixels.LitNear(0.05f, 0.02f));  // lower left, horizontal arm
    EXPECT_TRUE(pixels.LitNear(0.02f, 0.05f));  // lower left, vertical arm
    EXPECT_TRUE(pixels.LitNear(0.95f, 0.02f));
    EXPECT_TRUE(pixels.LitNear(0.98f, 0.05f));
    EXPECT_TRUE(pixels.LitNear(0.05f, 0.98f));
    EXPECT_TRUE(pixels.LitNear(0.02f, 0.95f));
    EXPECT_TRUE(pixels.LitNear(0.95f, 0.98f));
    EXPECT_TRUE(pixels.LitNear(0.98f, 0.95f));
    EXPECT_FALSE(pixels.LitNear(0.1f, 0.02f));  // arms end at 0.0525
    EXPECT_EQ(pixels.LitIn(0.1f, 0.1f, 0.9f, 0.9f), 0);
}

TEST_F(HudDrawing, SquareGridDrawsSixInnerLinesEachWay) {
    effect->DrawGrid(0);
    Capture();
    EXPECT_FLOAT_EQ(LineWidth(), 1.0f);
    for (int i = 1; i < 7; ++i) {
        const float t = static_cast<float>(i) / 7.0f;
        EXPECT_TRUE(pixels.LitNear(t, 0.5f + 0.03f)) << i;
        EXPECT_TRUE(pixels.LitNear(0.5f + 0.03f, t)) << i;
    }
    EXPECT_FALSE(pixels.LitNear(0.07f, 0.07f));
}

TEST_F(HudDrawing, ThirdsAndRadialGrids) {
    effect->DrawGrid(1);
    Capture();
    EXPECT_TRUE(pixels.LitNear(0.333f, 0.2f));
    EXPECT_TRUE(pixels.LitNear(0.2f, 0.667f));
    EXPECT_TRUE(pixels.LitNear(0.505f, 0.5f));  // centre cross
    EXPECT_FALSE(pixels.LitNear(0.53f, 0.5f));

    Clear();
    effect->DrawGrid(2);
    Capture();
    EXPECT_TRUE(pixels.LitNear(0.5f, 0.65f));  // inner ring, straight up
    EXPECT_TRUE(pixels.LitNear(0.5f, 0.95f));  // outer ring and spoke
    EXPECT_TRUE(pixels.LitNear(0.5f + 0.2f * std::sqrt(0.5f), 0.5f + 0.2f * std::sqrt(0.5f)));  // diagonal spoke
    EXPECT_FALSE(
        pixels.LitNear(0.5f + 0.2f * std::cos(0.4f), 0.5f + 0.2f * std::sin(0.4f)));  // between spokes and rings
}

TEST_F(HudDrawing, UnknownStylesDrawNothingButSetTheirLineWidth) {
    glLineWidth(4.0f);
    effect->DrawGrid(3);
    EXPECT_FLOAT_EQ(LineWidth(), 1.0f);
    effect->DrawCrosshair(7);
    EXPECT_FLOAT_EQ(LineWidth(), 1.5f);
    effect->DrawScanSweep(4, 0.5f, 10);
    effect->DrawScanSweep(0, 0.5f, 10);
    Capture();
    EXPECT_EQ(pixels.LitCount(), 0);
}

TEST_F(HudDrawing, HorizontalAndVerticalScanLines) {
    effect->DrawScanSweep(1, 0.25f, 0);
    Capture();
    EXPECT_TRUE(pixels.LitNear(0.02f, 0.25f));
    EXPECT_TRUE(pixels.LitNear(0.98f, 0.25f));
    EXPECT_FALSE(pixels.LitNear(0.5f, 0.5f));

    Clear();
    effect->DrawScanSweep(2, 0.75f, 0);
    Capture();
    EXPECT_TRUE(pixels.LitNear(0.75f, 0.02f));
    EXPECT_TRUE(pixels.LitNear(0.75f, 0.98f));
    EXPECT_FALSE(pixels.LitNear(0.25f, 0.25f));
}

TEST_F(HudDrawing, RadarSweepFollowsTheFrameCounter) {
    effect->DrawScanSweep(3, 0.0f, 0);
    Capture();
    EXPECT_TRUE(pixels.LitNear(0.9f, 0.5f));                   // sweep along +x
    EXPECT_TRUE(pixels.LitNear(0.5f + 0.1485f, 0.5f + 0.0f));  // inner ring
    EXPECT_TRUE(pixels.LitNear(0.5f, 0.5f + 0.297f));          // middle ring
    EXPECT_TRUE(pixels.LitNear(0.5f - 0.45f, 0.5f));           // outer ring
    EXPECT_FALSE(pixels.LitNear(0.5f + 0.4f * std::cos(1.0f), 0.5f + 0.4f * std::sin(1.0f)));

    Clear();
    effect->DrawScanSweep(3, 0.0f, 60);  // one second: 1.7 rad
    Capture();
    EXPECT_TRUE(pixels.LitNear(0.5f + 0.4f * std::cos(1.7f), 0.5f + 0.4f * std::sin(1.7f)));
    EXPECT_FALSE(pixels.LitNear(0.9f, 0.5f + 0.01f));
}

TEST_F(HudDrawing, StandardCrosshairLeavesAGapAroundItsDot) {
    effect->DrawCrosshair(0);
    Capture();
    EXPECT_FLOAT_EQ(LineWidth(), 1.5f);
    EXPECT_TRUE(pixels.LitNear(0.43f, 0.5f));
    EXPECT_TRUE(pixels.LitNear(0.5f, 0.57f));
    EXPECT_TRUE(pixels.Lit(100, 100));           // the dot
    EXPECT_FALSE(pixels.LitNear(0.485f, 0.5f));  // the gap
    EXPECT_FALSE(pixels.LitNear(0.5f, 0.515f));
    EXPECT_FALSE(pixels.LitNear(0.62f, 0.5f));  // arms end at 0.595
}

TEST_F(HudDrawing, TacticalCrosshairCrossesTheCentreInsideTwoRings) {
    effect->DrawCrosshair(1);
    Capture();
    EXPECT_TRUE(pixels.LitNear(0.485f, 0.5f));
    EXPECT_TRUE(pixels.LitNear(0.5f, 0.538f));                                                        // outer ring
    EXPECT_TRUE(pixels.LitNear(0.5f + 0.01425f * std::cos(0.8f), 0.5f + 0.01425f * std::sin(0.8f)));  // inner ring
    EXPECT_TRUE(pixels.LitNear(0.5715f, 0.506f));                                                     // outermost tick
    EXPECT_FALSE(pixels.LitNear(0.6f, 0.6f));
}

TEST_F(HudDrawing, MinimalCrosshairIsFourCornerMarksWithAnEmptyCentre) {
    effect->DrawCrosshair(2);
    Capture();
    EXPECT_TRUE(pixels.LitNear(0.462f, 0.53f));
    EXPECT_TRUE(pixels.LitNear(0.47f, 0.538f));
    EXPECT_TRUE(pixels.LitNear(0.538f, 0.47f));
    EXPECT_EQ(pixels.LitIn(0.475f, 0.475f, 0.525f, 0.525f), 0);
    EXPECT_FALSE(pixels.LitNear(0.462f, 0.5f));
}

class WideHudDrawing : public HudDrawing {
protected:
    WideHudDrawing() {
        targetWidth = 320;
        targetHeight = 180;
    }
};

TEST_F(WideHudDrawing, RingsAreEllipsesOnAWideOutput) {
    effect->DrawCircle(0.5f, 0.5f, 0.4f, 64);
    Capture();
    // 0.4 of the width is 128 pixels; 0.4 of the height only 72.
    EXPECT_TRUE(pixels.Lit(160 + 128, 90) || pixels.Lit(160 + 127, 90));
    EXPECT_TRUE(pixels.Lit(160, 90 + 72) || pixels.Lit(160, 90 + 71));
    EXPECT_FALSE(pixels.Lit(160, 90 + 100));
}
