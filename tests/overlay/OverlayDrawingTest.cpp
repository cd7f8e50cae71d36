// The overlay through the frame: size, position and orientation of the drawn picture,
// its own alpha against the HUD opacity, GIF playback paced by processed frames, and the
// two ways its textures are made.
#include <gtest/gtest.h>

#include <algorithm>

#include "gl/PixelStore.h"
#include "gl/ReleaseName.h"
#include "overlay/drawing/OverlayTexture.h"
#include "tests/overlay/OverlayGlFixture.h"

using namespace overlay_test;

namespace {

class OverlayDrawing : public OverlayRender {};

}  // namespace

TEST_F(OverlayDrawing, WidePictureIsCentredUprightAndSixteenHundredthsWide) {
    Show(folder.Write("wide.png", EncodePng(SplitPicture(200, 100, kRed, kBlue))));
    const Box box = LitBox();
    EXPECT_NEAR(box.Width(), 40, 1);
    EXPECT_NEAR(box.Height(), 20, 1);
    EXPECT_NEAR(box.left + box.right, 249, 1);
    EXPECT_NEAR(box.bottom + box.top, 249, 1);
    // Upright: the picture's upper half (red) is in the upper rows of the output.
    EXPECT_TRUE(SameColor(Read().PixelAt(125, box.top - 2), kRed));
    EXPECT_TRUE(SameColor(Read().PixelAt(125, box.bottom + 2), kBlue));
}

TEST_F(OverlayDrawing, TallAndSquarePicturesKeepTheLongerSideAtSixteenHundredths) {
    Show(folder.Write("tall.bmp", EncodeBmp(SolidPicture(100, 200, kGreen))));
    EXPECT_NEAR(LitBox().Width(), 20, 1);
    EXPECT_NEAR(LitBox().Height(), 40, 1);
    Show(folder.Write("square.tga", EncodeTga(SolidPicture(30, 30, kGreen))));
    EXPECT_NEAR(LitBox().Width(), 40, 1);
    EXPECT_NEAR(LitBox().Height(), 40, 1);
}

TEST_F(OverlayDrawing, ThePicturesOwnAlphaDecidesNotTheHudOpacity) {
    Show(folder.Write("clear.png", EncodePng(SolidPicture(16, 16, {255, 255, 255, 0}))));
    EXPECT_NE(effect->CurrentOverlayTexture(), 0u);
    EXPECT_EQ(LitBox().Width(), 0);

    for (float opacity : {0.0f, 0.3f, 1.0f}) {
        Set(kParamHudOpacity, opacity);
        Show(folder.Write("opaque.png", EncodePng(SolidPicture(16, 16, {200, 100, 50, 255}))));
        EXPECT_TRUE(SameColor(Centre(), {200, 100, 50, 255})) << opacity;
    }
}

TEST_F(OverlayDrawing, HundredMillisecondGifAdvancesOnTheSixthProcessedFrame) {
    Show(folder.Write("clip.gif", SolidFramesGif(8, 8, {kRed, kBlue}, 2, 10)));
    ASSERT_EQ(OverlayState().FrameCount(), 2);
    for (int frame = 1; frame <= 5; ++frame) {
        ASSERT_EQ(RenderFrame(), 0u);
        EXPECT_TRUE(SameColor(Centre(), kRed)) << frame;
    }
    ASSERT_EQ(RenderFrame(), 0u);
    EXPECT_TRUE(SameColor(Centre(), kBlue));
}

TEST_F(OverlayDrawing, TenMillisecondGifSkipsFramesAndWraps) {
    Show(folder.Write("fast.gif", SolidFramesGif(8, 8, {kRed, kGreen, kBlue}, 3, 1)));
    const Rgba expected[] = {kGreen, kRed, kBlue, kRed, kBlue, kGreen};
    for (const Rgba& color : expected) {
        ASSERT_EQ(RenderFrame(), 0u);
        EXPECT_TRUE(SameColor(Centre(), color)) << OverlayState().FrameIndex();
    }
}

TEST_F(OverlayDrawing, DelayZeroPlaysForAHundredMilliseconds) {
    Show(folder.Write("zero.gif", SolidFramesGif(8, 8, {kRed, kBlue}, 2, 0)));
    EXPECT_EQ(OverlayState().FrameDelays(), (std::vector<int32_t>{100, 100}));
    for (int frame = 1; frame <= 5; ++frame) ASSERT_EQ(RenderFrame(), 0u);
    EXPECT_TRUE(SameColor(Centre(), kRed));
    ASSERT_EQ(RenderFrame(), 0u);
    EXPECT_TRUE(SameColor(Centre(), kBlue));
}

TEST_F(OverlayDrawing, SingleFrameGifIsShownAsAStill) {
    LogCapture log;
    Show(folder.Write("one.gif", SolidFramesGif(12, 6, {kGreen}, 1, 10)));
    ASSERT_EQ(OverlayState().FrameCount(), 1);
    ASSERT_EQ(OverlayState().FrameTextures().size(), 1u);
    EXPECT_EQ(OverlayState().Texture(), OverlayState().FrameTextures()[0]);
    EXPECT_EQ(log.lines().back(), "Loaded GIF: 12x6, 1 frames");
    for (int frame = 0; frame < 20; ++frame) ASSERT_EQ(RenderFrame(), 0u);
    EXPECT_EQ(OverlayState().FrameIndex(), 0);
    EXPECT_TRUE(SameColor(Centre(), kGreen));
    EXPECT_NEAR(LitBox().Height(), 20, 1);
}

TEST_F(OverlayDrawing, GifPacingCountsFromTheFirstFrameShown) {
    const std::string clip = folder.Write("long.gif", SolidFramesGif(256, 256, {kRed, kBlue}, 200, 10));
    ASSERT_EQ(effect->ApplyParameterText(kParamOverlayImage, clip.c_str()), 0u);
    int loadingFrames = 0;
    do {
        ASSERT_EQ(RenderFrame(), 0u);
        ++loadingFrames;
    } while (Overlay().Loading());
    EXPECT_GT(loadingFrames, 1);  // the frames of the load do not count
    for (int frame = 1; frame <= 5; ++frame) {
        ASSERT_EQ(RenderFrame(), 0u);
        EXPECT_TRUE(SameColor(Centre(), kRed)) << frame;
    }
    ASSERT_EQ(RenderFrame(), 0u);
    EXPECT_TRUE(SameColor(Centre(), kBlue));
}

TEST_F(OverlayDrawing, TexturesMadeLevelByLevelOrWithImmutableStorageHoldTheSameLevels) {
    // 37 x 23: no level's side is a power of two; uploaded in bands of 5 rows.
    std::vector<uint8_t> picture(size_t{37} * 23 * 4);
    for (size_t i = 0; i < picture.size(); ++i) picture[i] = static_cast<uint8_t>(i * 7 % 251);
    const MipChain chain = MakeMipChain(picture.data(), {37, 23}, kMaxTextureSide);
    ResetUnpackState();
    for (const TextureStorage storage : {TextureStorage::LevelByLevel, TextureStorage::Immutable}) {
        uint32_t texture = CreateOverlayTexture(chain, storage);
        for (size_t level = 0; level < chain.size(); ++level)
            for (int row = 0; row < chain[level].size.height; row += 5)
                UploadOverlayRows(texture, static_cast<int>(level), chain[level], row,
                                  std::min(5, chain[level].size.height - row));
        glBindTexture(GL_TEXTURE_2D, texture);
        GLint immutable = -1;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_IMMUTABLE_FORMAT, &immutable);
        EXPECT_EQ(immutable == GL_TRUE, storage == TextureStorage::Immutable);
        for (size_t level = 0; level < chain.size(); ++level) {
            std::vector<uint8_t> held(chain[level].pixels.size());
            glGetTexImage(GL_TEXTURE_2D, static_cast<GLint>(level), GL_RGBA, GL_UNSIGNED_BYTE, held.data());
            EXPECT_EQ(held, chain[level].pixels) << "level " << level;
        }
        glBindTexture(GL_TEXTURE_2D, 0);
        ReleaseTexture(texture);
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
