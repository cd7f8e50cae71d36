// The processing pass on llvmpipe, read back and compared with the shader's formulas
// computed on the CPU. Tolerance: two 8-bit steps per channel unless stated. The HUD is
// drawn with opacity 0 throughout, which leaves the processed picture untouched.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "ShaderReference.h"
#include "effect/ProcessingPass.h"
#include "tests/support/EffectRender.h"
#include "tests/support/Settings.h"

namespace render_test {
namespace {

enum Mode { kNormal = 0, kNightVision = 1, kThermal = 2, kNegative = 3 };

Color FromBytes(uint8_t r, uint8_t g, uint8_t b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }

// Compares one pixel with its mode's expected colour; night vision adds its grain, which
// lies in [0, 0.04) on green and 0.3 of that on red and blue.
::testing::AssertionResult MatchesMode(const Pixels& pixels, int x, int y, Mode mode, Color c) {
    switch (mode) {
        case kNightVision: {
            const Color base = NightVisionBase(c);
            const Color mid = {base.r + 0.006f, base.g + 0.02f, base.b + 0.006f};
            const Color got = pixels.ColorAt(x, y);
            if (got.g < std::fmin(base.g, 1.0f) - kByteTolerance)
                return ::testing::AssertionFailure() << "green below the base at (" << x << ", " << y << ")";
            return PixelNear(pixels, x, y, mid, 0.02f + kByteTolerance);
        }
        case kThermal: return PixelNear(pixels, x, y, ThermalMap(Luma(c)), kByteTolerance);
        case kNegative: return PixelNear(pixels, x, y, Negative(c), kByteTolerance);
        default: return PixelNear(pixels, x, y, c, kByteTolerance);
    }
}

class ProcessingPass : public EffectRender {
protected:
    void SetUp() override {
        EffectRender::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        HideHud();
    }
    // Renders a uniform picture with glitch amount g and compares every third pixel with
    // the interlace and vignette the formulas give.
    Pixels RenderGlitchShading(float g, Color c) {
        Set(kParamGlitch, g);
        EXPECT_EQ(RenderFrame(), 0u);
        Pixels pixels = Read();
        const float time = ComputeFrameValues(FrameCounter(), 0.0f).frameTime;
        for (int y = 0; y < pixels.height; ++y)
            for (int x = 0; x < pixels.width; x += 3)
                if (auto match = PixelNear(pixels, x, y, GlitchShading(c, g, time, y, U(x), V(y)), kByteTolerance);
                    !match) {
                    ADD_FAILURE() << match.message();
                    return pixels;
                }
        return pixels;
    }
};

// Every variant, the plain one included, draws what the full program draws, byte for
// byte, from an unpadded and a padded texture, for two sets of amounts and times: a
// strong glitch with interlace and many displaced rows, and a weak one without.
TEST_F(ProcessingPass, EveryVariantDrawsExactlyWhatTheFullProgramDraws) {
    const int width = 40, height = 30;
    std::vector<uint8_t> picture(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &picture[(static_cast<size_t>(y) * width + x) * 4];
            p[0] = static_cast<uint8_t>(x * 6);
            p[1] = static_cast<uint8_t>(y * 8);
            p[2] = static_cast<uint8_t>((x * y) & 0xFF);
            p[3] = 255;
        }
    struct Amounts {
        int32_t frame;
        float glitch, noise;
        int32_t otherMode;  // the colour mode a Normal variant gets: any value outside 1..3
    };
    const Amounts amountSets[] = {{50, 1.0f, 0.4f, 0}, {7777, 0.05f, 1.0f, 9}};
    ProcessingPrograms& programs = EffectTestAccess::Programs(Pass());
    for (int padding : {0, 24}) {
        input.Release();
        ASSERT_TRUE(input.Create(width, height, width + padding, height + padding, picture.data()));
        const ffgl::TextureRecord record{width, height, static_cast<uint32_t>(width + padding),
                                         static_cast<uint32_t>(height + padding), input.texture};
        for (int index = 0; index < kProcessingVariantCount; ++index) {
            const ProcessingVariant variant = VariantAt(index);
            if (variant.padded != (padding > 0)) continue;
            ASSERT_TRUE(EffectTestAccess::BuildNow(programs, variant)) << "variant " << index;
            for (const Amounts& amounts : amountSets) {
                const EffectParameters parameters = Settings(
                    {{kParamColorMode, static_cast<float>(variant.colorMode ? variant.colorMode : amounts.otherMode)},
                     {kParamScanLine, variant.scanGlow ? 1.0f : 0.0f},
                     {kParamNoise, variant.noise ? amounts.noise : 0.0f},
                     {kParamGlitch, variant.glitch ? amounts.glitch : 0.0f}});
                ProcessingUniforms uniforms = ComputeProcessingUniforms(
                    ComputeFrameValues(amounts.frame, parameters.Read(kParamScanLine)), record, parameters);
                uniforms.viewportHeight = static_cast<float>(target.height);
                ASSERT_EQ(VariantFor(uniforms), variant);
                EffectTestAccess::DrawWith(Pass(), programs.Full(variant.padded), input.texture, target.framebuffer,
                                           uniforms);
                const Pixels full = Read();
                EffectTestAccess::DrawWith(Pass(), *programs.Built(variant), input.texture, target.framebuffer,
                                           uniforms);
                ASSERT_EQ(Read().bytes, full.bytes) << "variant " << index << ", frame " << amounts.frame;
            }
        }
    }
}

// A uniform the program lacks has location -1, which GL ignores without an error: a row
// whose uniform is misnamed, or unused by the shader, would reach no pixel.
TEST_F(ProcessingPass, EveryParameterRoutedToAUniformFindsIt) {
    for (bool padded : {false, true}) {
        for (const ParameterRow& row : kEffectParameters) {
            if (row.route != ParameterRoute::Uniform) continue;
            EXPECT_GE(EffectTestAccess::Programs(Pass()).Full(padded).at.parameters[row.index], 0) << row.name;
        }
    }
}

TEST_F(ProcessingPass, ColourModesOnUniformInputs) {
    const uint8_t colours[][3] = {{0, 0, 0}, {255, 255, 255}, {200, 100, 50}, {30, 160, 220}, {90, 90, 90}};
    for (Mode mode : {kNormal, kNightVision, kThermal, kNegative}) {
        Set(kParamColorMode, static_cast<float>(mode));
        for (const auto& bytes : colours) {
            UploadSolid(bytes[0], bytes[1], bytes[2]);
            ASSERT_EQ(RenderFrame(), 0u);
            const Pixels pixels = Read();
            const Color c = FromBytes(bytes[0], bytes[1], bytes[2]);
            for (int y = 0; y < pixels.height; y += 7)
                for (int x = 0; x < pixels.width; x += 7)
                    ASSERT_TRUE(MatchesMode(pixels, x, y, mode, c)) << "mode " << mode;
        }
    }
}

TEST_F(ProcessingPass, ColorModeOptionRoundsHalfUp) {
    UploadSolid(200, 100, 50);
    Set(kParamColorMode, 2.6f);  // negative
    ASSERT_EQ(RenderFrame(), 0u);
    EXPECT_TRUE(MatchesMode(Read(), 10, 10, kNegative, FromBytes(200, 100, 50)));
    Set(kParamColorMode, 0.49f);  // normal
    ASSERT_EQ(RenderFrame(), 0u);
    EXPECT_TRUE(MatchesMode(Read(), 10, 10, kNormal, FromBytes(200, 100, 50)));
}

// One texel per output pixel: column i of the picture lands on column i of the target.
class RampPass : public ProcessingPass {
protected:
    RampPass() {
        targetWidth = 256;
        targetHeight = 4;
    }
    static Color RampColor(int i) { return FromBytes(i, 255 - i, (i * 7) % 256); }
    void UploadRamp() {
        std::vector<uint8_t> picture(size_t{256} * 4 * 4);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 256; ++x) {
                uint8_t* p = &picture[(size_t{256} * y + x) * 4];
                p[0] = static_cast<uint8_t>(x);
                p[1] = static_cast<uint8_t>(255 - x);
                p[2] = static_cast<uint8_t>((x * 7) % 256);
                p[3] = 255;
            }
        ASSERT_TRUE(input.Create(256, 4, 256, 4, picture.data()));
    }
};

TEST_F(RampPass, ColourModesAlongARampKeepLeftToRightOrder) {
    UploadRamp();
    for (Mode mode : {kNormal, kNightVision, kThermal, kNegative}) {
        Set(kParamColorMode, static_cast<float>(mode));
        ASSERT_EQ(RenderFrame(), 0u);
        const Pixels pixels = Read();
        for (int x = 0; x < 256; ++x) ASSERT_TRUE(MatchesMode(pixels, x, 1, mode, RampColor(x))) << "mode " << mode;
    }
}

TEST_F(RampPass, ThermalRampPassesEveryStop) {
    // A grey ramp: the luma is the grey level itself.
    std::vector<uint8_t> picture(size_t{256} * 4 * 4);
    for (size_t i = 0; i < picture.size(); i += 4) {
        const uint8_t level = static_cast<uint8_t>((i / 4) % 256);
        picture[i] = picture[i + 1] = picture[i + 2] = level;
        picture[i + 3] = 255;
    }
    ASSERT_TRUE(input.Create(256, 4, 256, 4, picture.data()));
    Set(kParamColorMode, kThermal);
    ASSERT_EQ(RenderFrame(), 0u);
    const Pixels pixels = Read();
    for (int x = 0; x < 256; ++x) ASSERT_TRUE(PixelNear(pixels, x, 2, ThermalMap(x / 255.0f), kByteTolerance));
    // The stops themselves, at the grey levels nearest 0, 0.15, 0.35, 0.55, 0.75 and 1.
    EXPECT_TRUE(PixelNear(pixels, 0, 0, {0.0f, 0.0f, 0.08f}, kByteTolerance));
    EXPECT_TRUE(PixelNear(pixels, 38, 0, {0.0f, 0.0f, 0.6f}, 0.02f));
    EXPECT_TRUE(PixelNear(pixels, 89, 0, {0.7f, 0.0f, 0.7f}, 0.02f));
    EXPECT_TRUE(PixelNear(pixels, 140, 0, {1.0f, 0.15f, 0.0f}, 0.02f));
    EXPECT_TRUE(PixelNear(pixels, 191, 0, {1.0f, 0.75f, 0.0f}, 0.02f));
    EXPECT_TRUE(PixelNear(pixels, 255, 0, {1.0f, 1.0f, 0.85f}, kByteTolerance));
}

TEST_F(RampPass, GlitchAtItsThresholdChangesNothing) {
    UploadRamp();
    ASSERT_EQ(RenderFrame(), 0u);
    const Pixels normal = Read();
    Set(kParamGlitch, 0.001f);
    for (int frame = 0; frame < 3; ++frame) {
        ASSERT_EQ(RenderFrame(), 0u);
        EXPECT_EQ(Read().bytes, normal.bytes) << "frame " << FrameCounter();
    }
}

TEST_F(ProcessingPass, GlitchAtOneTenthVignettesWithoutInterlace) {
    UploadSolid(180, 200, 160);
    const Pixels pixels = RenderGlitchShading(0.1f, FromBytes(180, 200, 160));
    // The vignette darkens the corners against the centre.
    EXPECT_LT(pixels.At(0, 0)[1] + 5, pixels.At(32, 32)[1]);
}

TEST_F(ProcessingPass, GlitchAboveOneTenthDarkensTwoRowsInThree) {
    UploadSolid(180, 200, 160);
    FrameCounter() = 49;  // frame 50: the rows have moved on from frame 1's pattern
    const Pixels pixels = RenderGlitchShading(0.6f, FromBytes(180, 200, 160));
    // Neighbouring rows at the centre: the interlace is visible, not only in the formula.
    std::set<int> levels;
    for (int y = 30; y < 33; ++y) levels.insert(pixels.At(32, y)[1]);
    EXPECT_GE(levels.size(), 2u);
}

// The interlace counts window rows, as gl_FragCoord does, also in a viewport that does
// not start at the window's first row.
TEST_F(ProcessingPass, InterlaceCountsWindowRowsInAViewportAboveTheFirstRow) {
    UploadSolid(180, 200, 160);
    const Color c = FromBytes(180, 200, 160);
    const int bottom = 10, height = 47;  // a bottom row that is no multiple of the interlace period
    glViewport(0, bottom, target.width, height);
    Set(kParamGlitch, 0.7f);
    FrameCounter() = 20;
    ASSERT_EQ(RenderFrame(), 0u);
    glViewport(0, 0, target.width, target.height);
    const Pixels pixels = Read();
    const float time = ComputeFrameValues(FrameCounter(), 0.0f).frameTime;
    for (int y = bottom; y < bottom + height; ++y)
        for (int x = 0; x < pixels.width; x += 5) {
            const float v = (static_cast<float>(y - bottom) + 0.5f) / static_cast<float>(height);
            ASSERT_TRUE(PixelNear(pixels, x, y, GlitchShading(c, 0.7f, time, y, U(x), v), kByteTolerance))
                << "row " << y;
        }
}

TEST_F(ProcessingPass, NoiseShiftsAllThreeChannelsAlike) {
    UploadSolid(120, 130, 140);
    Set(kParamNoise, 0.001f);
    ASSERT_EQ(RenderFrame(), 0u);
    const Pixels quiet = Read();
    for (int y = 0; y < quiet.height; y += 5)
        for (int x = 0; x < quiet.width; x += 5)
            ASSERT_TRUE(PixelNear(quiet, x, y, FromBytes(120, 130, 140), 1.0f / 255));

    Set(kParamNoise, 0.5f);  // offsets in (-0.1, 0.1)
    ASSERT_EQ(RenderFrame(), 0u);
    const Pixels noisy = Read();
    std::set<int> offsets;
    double sum = 0;
    for (int y = 0; y < noisy.height; ++y)
        for (int x = 0; x < noisy.width; ++x) {
            const uint8_t* p = noisy.At(x, y);
            const int offset = p[0] - 120;
            ASSERT_LE(std::abs(offset), 26);
            ASSERT_NEAR(p[1] - 130, offset, 1);
            ASSERT_NEAR(p[2] - 140, offset, 1);
            offsets.insert(offset);
            sum += offset;
        }
    EXPECT_GE(offsets.size(), 30u) << "noise should spread over most of its range";
    EXPECT_NEAR(sum / (noisy.width * noisy.height), 0.0, 2.0);
}

TEST_F(ProcessingPass, ScanGlowIsAHorizontalBandAtTheScanPositionInEveryMode) {
    UploadSolid(50, 50, 50);
    const Color c = FromBytes(50, 50, 50);
    for (float mode : {1.0f, 2.0f, 3.0f}) {
        Set(kParamScanLine, mode);
        FrameCounter() = 99;  // frame 100: the band sits near the middle
        ASSERT_EQ(RenderFrame(), 0u);
        const FrameValues frame = ComputeFrameValues(100, mode);
        ASSERT_NEAR(frame.scanPosition, 0.45f, 1e-4f);
        const Pixels pixels = Read();
        for (int y = 0; y < pixels.height; ++y)
            for (int x : {3, 40})
                ASSERT_TRUE(PixelNear(pixels, x, y, ScanGlow(c, V(y), frame.scanPosition, 0.5f), kByteTolerance))
                    << "mode " << mode;
        EXPECT_GT(pixels.At(10, 28)[1], 50 + 40) << "a bright band near the scan position";
    }
    Set(kParamScanLine, 0.0f);
    ASSERT_EQ(RenderFrame(), 0u);
    EXPECT_TRUE(PixelNear(Read(), 10, 28, c, kByteTolerance)) << "no glow with the scan line off";
}

TEST_F(ProcessingPass, PaddedTextureShowsOnlyItsUsedAreaTheRightWayUp) {
    // A 48 x 40 picture in a 64 x 64 allocation whose padding is blue; the picture's
    // quadrants: red top left, green top right, yellow bottom left, black bottom right.
    const std::vector<uint8_t> padding = SolidPixels(64, 64, {0, 0, 255, 255});
    ASSERT_TRUE(input.Create(64, 64, 64, 64, padding.data()));
    std::vector<uint8_t> picture(size_t{48} * 40 * 4);
    for (int row = 0; row < 40; ++row)
        for (int x = 0; x < 48; ++x) {
            uint8_t* p = &picture[(size_t{48} * row + x) * 4];
            const bool top = row < 20, left = x < 24;
            p[0] = (top && left) || (!top && left) ? 255 : 0;
            p[1] = (top && !left) || (!top && left) ? 255 : 0;
            p[2] = 0;
            p[3] = 255;
        }
    glBindTexture(GL_TEXTURE_2D, input.texture);
    for (int row = 0; row < 40; ++row)  // GL rows bottom-up
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, row, 48, 1, GL_RGBA, GL_UNSIGNED_BYTE,
                        &picture[size_t{48} * 4 * (39 - row)]);
    glBindTexture(GL_TEXTURE_2D, 0);
    input.width = 48;
    input.height = 40;

    ASSERT_EQ(RenderFrame(), 0u);
    const Pixels pixels = Read();
    EXPECT_TRUE(PixelNear(pixels, 16, 48, {1, 0, 0}, kByteTolerance));
    EXPECT_TRUE(PixelNear(pixels, 48, 48, {0, 1, 0}, kByteTolerance));
    EXPECT_TRUE(PixelNear(pixels, 16, 16, {1, 1, 0}, kByteTolerance));
    EXPECT_TRUE(PixelNear(pixels, 48, 16, {0, 0, 0}, kByteTolerance));
    // Linear filtering may reach the padding only in the last row and column.
    for (int y = 0; y < 63; ++y)
        for (int x = 0; x < 63; ++x) ASSERT_LE(pixels.At(x, y)[2], 2) << "padding at (" << x << ", " << y << ")";
}

}  // namespace
}  // namespace render_test
