// The HUD as a host sees it: the built library loaded, an instance made and frames
// processed through plugMain over a black input, the output read back.
#include <cmath>
#include <string>
#include <utility>

#include "tests/support/HostedPlugin.h"

namespace {

constexpr uint32_t kCrosshair = 2, kCorners = 3, kScanLine = 4, kGrid = 5, kShowInfo = 6;

class HudFrame : public HostedInstance {
protected:
    HudFrame() {
        width = inputWidth = 640;
        height = inputHeight = 360;
    }

    void Set(uint32_t index, float value) { ASSERT_EQ(SetValue(index, value), ffgl::kSuccess); }

    // Processes frames up to and including the given frame number, keeping the last.
    void RenderUpTo(int frame) {
        for (; rendered < frame; ++rendered) ASSERT_EQ(Frame(), ffgl::kSuccess);
        pixels = Read();
    }

    bool RecordingSignShown() const { return pixels.LitIn(0.875f, 0.945f, 0.935f, 0.97f) > 0; }

    Pixels pixels;
    int rendered = 0;
};

}  // namespace

TEST_F(HudFrame, DefaultsShowTheCornerBracketsAndTheInfoBlockOnly) {
    RenderUpTo(1);
    const Rgba bracket = pixels.CommonColor(0.03f, 0.015f, 0.07f, 0.025f);
    EXPECT_EQ(bracket.r, 0);
    EXPECT_EQ(bracket.g, 255);
    EXPECT_NEAR(bracket.b, 136, 1.0);
    EXPECT_TRUE(pixels.LitNear(0.98f, 0.95f));
    EXPECT_TRUE(RecordingSignShown());
    EXPECT_GT(pixels.CommonColor(0.875f, 0.945f, 0.935f, 0.97f).r, 200);
    EXPECT_GT(pixels.LitIn(0.715f, 0.035f, 0.84f, 0.06f), 0);  // clock
    EXPECT_GT(pixels.LitIn(0.02f, 0.93f, 0.2f, 0.97f), 0);     // captions 3 and 4
    EXPECT_EQ(pixels.LitIn(0.2f, 0.2f, 0.8f, 0.8f), 0);        // no grid, scan line or crosshair
}

TEST_F(HudFrame, RecordingSignBlinksOffByFrameFortyFive) {
    RenderUpTo(37);
    EXPECT_TRUE(RecordingSignShown());
    RenderUpTo(45);
    EXPECT_FALSE(RecordingSignShown());
    EXPECT_GT(pixels.LitIn(0.715f, 0.035f, 0.84f, 0.06f), 0);
}

TEST_F(HudFrame, EveryStageDrawsWhenSwitchedOn) {
    Set(kCrosshair, 1.0f);  // Standard
    Set(kGrid, 1.0f);       // Square
    Set(kScanLine, 3.0f);   // Radar
    Set(kShowInfo, 0.0f);
    RenderUpTo(1);
    EXPECT_TRUE(pixels.LitNear(0.5f, 0.5f));   // crosshair dot
    EXPECT_TRUE(pixels.LitNear(0.43f, 0.5f));  // crosshair arm
    EXPECT_TRUE(pixels.LitNear(1.0f / 7.0f, 0.3f));
    // Radar sweep after one frame: 1.7 / 60 rad above +x.
    EXPECT_TRUE(pixels.LitNear(0.5f + 0.4f * std::cos(1.7f / 60.0f), 0.5f + 0.4f * std::sin(1.7f / 60.0f)));
    EXPECT_TRUE(pixels.LitNear(0.5f, 0.5f + 0.297f));  // middle range ring
    EXPECT_FALSE(RecordingSignShown());
}

// Lines on the frame's very edge are drawn on the edge pixels, whatever an
// implementation's rasterisation rules would make of a line between two pixels.
namespace {
class EdgeLines : public HudFrame, public ::testing::WithParamInterface<std::pair<int, int>> {
protected:
    EdgeLines() {
        width = inputWidth = GetParam().first;
        height = inputHeight = GetParam().second;
    }
};
}  // namespace

TEST_P(EdgeLines, TheSquareGridShowsAllFourBorders) {
    Set(kGrid, 1.0f);  // Square
    Set(kShowInfo, 0.0f);
    Set(kCorners, 0.0f);
    RenderUpTo(1);
    int left = 0, right = 0, bottom = 0, top = 0;
    for (int y = 0; y < height; ++y) left += pixels.Lit(0, y), right += pixels.Lit(width - 1, y);
    for (int x = 0; x < width; ++x) bottom += pixels.Lit(x, 0), top += pixels.Lit(x, height - 1);
    EXPECT_EQ(left, height);
    EXPECT_EQ(right, height);
    EXPECT_EQ(bottom, width);
    EXPECT_EQ(top, width);
}

INSTANTIATE_TEST_SUITE_P(Sizes, EdgeLines,
                         ::testing::Values(std::pair{64, 64}, std::pair{200, 200}, std::pair{640, 360},
                                           std::pair{1000, 700}),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "x" + std::to_string(info.param.second);
                         });
