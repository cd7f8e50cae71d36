// The pure parts of showing an overlay: GIF pacing, the drawn rectangle, the GIF test of
// a path.
#include <gtest/gtest.h>

#include "overlay/OverlayAnimation.h"
#include "overlay/drawing/OverlayQuad.h"
#include "overlay/loading/OverlayPath.h"

namespace {

// Frame index after each of `calls` processed frames.
std::vector<int> Play(const std::vector<int32_t>& delays, int calls) {
    std::vector<int> shown;
    OverlayPlayhead playhead;
    for (int i = 0; i < calls; ++i) {
        playhead = StepOverlayAnimation(delays, playhead);
        shown.push_back(playhead.frameIndex);
    }
    return shown;
}

}  // namespace

TEST(OverlayPacing, HundredMillisecondFramesAdvanceOnTheSixthCall) {
    EXPECT_EQ(Play({100, 100, 100}, 13), (std::vector<int>{0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 2, 2}));
}

TEST(OverlayPacing, ShortDelaysSkipFramesAndWrap) {
    // 16.67 ms per call over 10 ms frames: one or two frames per call, round a 3-frame loop.
    EXPECT_EQ(Play({10, 10, 10}, 6), (std::vector<int>{1, 0, 2, 0, 2, 1}));
}

TEST(OverlayPacing, DelaysOfZeroOrLessPlayForAHundredMilliseconds) {
    EXPECT_EQ(DisplayDelay(0), 100);
    EXPECT_EQ(DisplayDelay(-5), 100);
    EXPECT_EQ(DisplayDelay(30), 30);
    EXPECT_EQ(Play({0, -1}, 12), (std::vector<int>{0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 0}));
}

TEST(OverlayPacing, FewerThanTwoFramesNeverMove) {
    const OverlayPlayhead still = StepOverlayAnimation(std::vector<int32_t>{100}, {});
    EXPECT_EQ(still.frameIndex, 0);
    EXPECT_EQ(still.frameTime, 0.0f);
    EXPECT_EQ(StepOverlayAnimation({}, {}).frameTime, 0.0f);
}

TEST(OverlayQuad, LongerSideSpansSixteenHundredthsAndTheQuadIsCentred) {
    const struct {
        int width, height;
        float w, h;
    } cases[] = {{200, 100, 0.16f, 0.08f}, {100, 200, 0.08f, 0.16f}, {50, 50, 0.16f, 0.16f}, {0, 0, 0.16f, 0.16f}};
    for (const auto& c : cases) {
        const std::array<float, 24> v = OverlayQuadVertices(c.width, c.height);
        EXPECT_FLOAT_EQ(v[4] - v[0], c.w);    // vertex 2 x - vertex 1 x
        EXPECT_FLOAT_EQ(v[9] - v[1], c.h);    // vertex 3 y - vertex 1 y
        EXPECT_FLOAT_EQ(v[0] + v[8], 1.0f);   // centred across
        EXPECT_FLOAT_EQ(v[1] + v[21], 1.0f);  // centred up
    }
    // v = 0 at the bottom edge, v = 1 at the top.
    const std::array<float, 24> v = OverlayQuadVertices(1, 1);
    EXPECT_EQ((std::array<float, 2>{v[2], v[3]}), (std::array<float, 2>{0, 0}));
    EXPECT_EQ((std::array<float, 2>{v[22], v[23]}), (std::array<float, 2>{0, 1}));
}

TEST(OverlayPath, OnlyAFinalDotGifInAnyCaseIsAGif) {
    EXPECT_TRUE(HasGifExtension("clip.gif"));
    EXPECT_TRUE(HasGifExtension("/videos/clip.GIF"));
    EXPECT_TRUE(HasGifExtension("clip.Gif"));
    EXPECT_FALSE(HasGifExtension("clip.gif.png"));
    EXPECT_FALSE(HasGifExtension("clip"));
    EXPECT_FALSE(HasGifExtension("my.folder\\clip"));
    EXPECT_FALSE(HasGifExtension("clip.gifs"));
    EXPECT_TRUE(HasGifExtension(".gif"));
}
