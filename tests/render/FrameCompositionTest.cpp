// Whole frames: the input check, the counter, the first-frames log, the HUD colour and
// its stage alphas over a black picture, and the GL state a frame leaves behind.
#include <gtest/gtest.h>

#include <climits>

#include "ShaderReference.h"
#include "effect/ProcessingValues.h"
#include "effect/hud/RotateHue.h"
#include "tests/support/EffectRender.h"

namespace render_test {
namespace {

Color HudColor(float shift) {
    Color c{0.0f, 1.0f, 0.533f};
    RotateHue(c.r, c.g, c.b, shift);
    return c;
}

Color Scaled(Color c, float alpha) { return {c.r * alpha, c.g * alpha, c.b * alpha}; }

class Frame : public EffectRender {};

TEST_F(Frame, WithoutInputNothingHappens) {
    UploadSolid(10, 20, 30);
    ASSERT_EQ(RenderFrame(), 0u);
    const Pixels before = Read();
    const int32_t counter = FrameCounter();
    LogCapture log;

    ffgl::TextureRecord texture{16, 16, 16, 16, input.texture};
    ffgl::TextureRecord* withNull[1] = {nullptr};
    ffgl::TextureRecord* withTexture[1] = {&texture};
    const ffgl::ProcessingRecord noInputs{0, 0, withTexture, target.framebuffer, 0};
    const ffgl::ProcessingRecord nullEntry{1, 0, withNull, target.framebuffer, 0};
    const ffgl::ProcessingRecord nullArray{1, 0, nullptr, target.framebuffer, 0};
    for (const ffgl::ProcessingRecord* record :
         {&noInputs, &nullEntry, &nullArray, static_cast<const ffgl::ProcessingRecord*>(nullptr)})
        EXPECT_EQ(effect->RenderFrame(record), ffgl::kFailure32);

    EXPECT_EQ(FrameCounter(), counter);
    EXPECT_TRUE(log.lines().empty());
    EXPECT_EQ(Read().bytes, before.bytes);
}

TEST_F(Frame, FirstThreeFramesAreLoggedExactly) {
    UploadSolid(0, 0, 0);
    LogCapture log;
    for (int i = 0; i < 5; ++i) ASSERT_EQ(RenderFrame(), 0u);
    const std::string tail = ", tex=" + std::to_string(input.texture) +
                             " 16x16, shader=" + std::to_string(Pass().ProgramHandle()) +
                             ", HostFBO=" + std::to_string(target.framebuffer);
    EXPECT_EQ(log.lines(),
              (std::vector<std::string>{"ZaqVigilomatronic v2: frame 1" + tail, "ZaqVigilomatronic v2: frame 2" + tail,
                                        "ZaqVigilomatronic v2: frame 3" + tail}));
}

TEST_F(Frame, CounterWrapsInsteadOfOverflowing) {
    UploadSolid(90, 60, 30);
    Set(kParamScanLine, 1.0f);
    Set(kParamHudOpacity, 0.0f);
    FrameCounter() = INT32_MAX;
    LogCapture log;
    ASSERT_EQ(RenderFrame(), 0u);
    EXPECT_EQ(FrameCounter(), INT32_MIN);
    EXPECT_TRUE(log.lines().empty()) << "a wrapped counter is not one of the first frames";
    const FrameValues frame = ComputeFrameValues(INT32_MIN, 1.0f);
    const Pixels pixels = Read();
    EXPECT_TRUE(PixelNear(pixels, 5, 5, {90 / 255.0f, 60 / 255.0f, 30 / 255.0f}, 0.35f));
    ASSERT_EQ(RenderFrame(), 0u);
    EXPECT_EQ(FrameCounter(), INT32_MIN + 1);
    EXPECT_GE(frame.scanPosition, 0.0f);
}

TEST_F(Frame, LeavesBlendOffLineWidthOneAndNothingBound) {
    UploadSolid(40, 40, 40);
    Set(kParamGrid, 1.0f);
    Set(kParamScanLine, 3.0f);
    Set(kParamCrosshair, 2.0f);
    // Whatever the host left bound before the frame.
    GLuint otherArray = 0;
    glGenVertexArrays(1, &otherArray);
    glUseProgram(OverlayState().Program().ProgramHandle());
    glBindVertexArray(otherArray);
    glActiveTexture(GL_TEXTURE3);
    glLineWidth(3.0f);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    ASSERT_EQ(RenderFrame(), 0u);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(Integer(GL_BLEND_SRC_RGB), GL_SRC_ALPHA);
    EXPECT_EQ(Integer(GL_BLEND_DST_RGB), GL_ONE_MINUS_SRC_ALPHA);
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(width, 1.0f);
    EXPECT_EQ(Integer(GL_CURRENT_PROGRAM), 0);
    EXPECT_EQ(Integer(GL_VERTEX_ARRAY_BINDING), 0);
    EXPECT_EQ(Integer(GL_ACTIVE_TEXTURE), GL_TEXTURE0);
    EXPECT_EQ(Integer(GL_TEXTURE_BINDING_2D), 0);
    EXPECT_EQ(Integer(GL_DRAW_FRAMEBUFFER_BINDING), static_cast<GLint>(target.framebuffer));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    glDeleteVertexArrays(1, &otherArray);
}

// A 200 x 200 output over a black picture: a HUD pixel shows its colour times its alpha.
class Hud : public EffectRender {
protected:
    Hud() {
        targetWidth = 200;
        targetHeight = 200;
    }
    void SetUp() override {
        EffectRender::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        UploadSolid(0, 0, 0);
        Set(kParamShowInfo, 0.0f);
    }
    // Inside the lower-left bracket's horizontal arm, 2 pixels thick along y = 4.
    static constexpr int kBracketX = 9, kBracketY = 4;
};

TEST_F(Hud, BracketColourFollowsTheHueShift) {
    struct Case {
        float shift;
        Color rough;  // the colour as a designer reads it off the colour wheel
    };
    for (const Case& c :
         {Case{0.0f, {0.0f, 1.0f, 0.533f}}, Case{0.0009f, {0.0f, 1.0f, 0.533f}}, Case{0.25f, {0.033f, 0.0f, 1.0f}},
          Case{0.5f, {1.0f, 0.0f, 0.467f}}, Case{1.0f, {0.0f, 1.0f, 0.533f}}}) {
        Set(kParamHueShift, c.shift);
        ASSERT_EQ(RenderFrame(), 0u);
        const Pixels pixels = Read();
        EXPECT_TRUE(PixelNear(pixels, kBracketX, kBracketY, HudColor(c.shift), kByteTolerance)) << c.shift;
        EXPECT_TRUE(PixelNear(pixels, kBracketX, kBracketY, c.rough, 0.01f)) << c.shift;
        EXPECT_TRUE(PixelNear(pixels, 100, 100, {0, 0, 0}, 0.0f)) << "the picture between the brackets stays black";
    }
}

TEST_F(Hud, OpacityZeroLeavesOnlyTheProcessedPicture) {
    Set(kParamHudOpacity, 0.0f);
    Set(kParamShowInfo, 1.0f);
    Set(kParamGrid, 3.0f);
    Set(kParamScanLine, 3.0f);
    Set(kParamCrosshair, 2.0f);
    ASSERT_EQ(RenderFrame(), 0u);
    // Black input: what remains is the radar mode's scan glow, part of the processed picture.
    const FrameValues frame = ComputeFrameValues(FrameCounter(), 3.0f);
    const Pixels pixels = Read();
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x)
            ASSERT_TRUE(PixelNear(pixels, x, y, ScanGlow({0, 0, 0}, V(y), frame.scanPosition, 0.5f), kByteTolerance));
}

TEST_F(Hud, CornersOffDrawsNoBracket) {
    Set(kParamCorners, 0.49f);
    ASSERT_EQ(RenderFrame(), 0u);
    EXPECT_TRUE(PixelNear(Read(), kBracketX, kBracketY, {0, 0, 0}, 0.0f));
}

TEST_F(Hud, EachStageScalesTheOpacityByItsOwnFactor) {
    Set(kParamHudOpacity, 0.5f);
    Set(kParamGrid, 1.0f);       // "Square": a vertical line at x = 1/7, column 28
    Set(kParamCrosshair, 1.0f);  // "Standard": its left arm along y = 0.5
    ASSERT_EQ(RenderFrame(), 0u);
    const Pixels pixels = Read();
    const Color hud = HudColor(0.0f);
    EXPECT_TRUE(PixelNear(pixels, kBracketX, kBracketY, Scaled(hud, 0.5f), kByteTolerance)) << "corners x 1";
    EXPECT_TRUE(PixelNear(pixels, 28, 60, Scaled(hud, 0.15f), kByteTolerance)) << "grid x 0.3";
    EXPECT_TRUE(PixelNear(pixels, 88, 100, Scaled(hud, 0.5f), kByteTolerance)) << "crosshair x 1";
    EXPECT_TRUE(PixelNear(pixels, 100, 60, {0, 0, 0}, 0.0f)) << "nothing between the lines";
}

TEST_F(Hud, ScanLineIsBlendedAtEightTenthsOverItsGlow) {
    Set(kParamScanLine, 1.0f);
    FrameCounter() = 99;  // frame 100: the line at y = 0.45, row 90 of 200
    ASSERT_EQ(RenderFrame(), 0u);
    const FrameValues frame = ComputeFrameValues(100, 1.0f);
    const float glow = std::exp(-std::fabs(V(90) - frame.scanPosition) * 40.0f) * 0.5f * 0.6f;
    const Color background{glow * 0.15f, glow * 0.9f, glow * 0.25f};
    const Color hud = HudColor(0.0f);
    const Color expected{hud.r * 0.8f + background.r * 0.2f, hud.g * 0.8f + background.g * 0.2f,
                         hud.b * 0.8f + background.b * 0.2f};
    EXPECT_TRUE(PixelNear(Read(), 100, 90, expected, kByteTolerance));
}

}  // namespace
}  // namespace render_test
