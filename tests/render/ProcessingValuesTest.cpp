// The values a frame hands to the processing shader and the HUD, computed without GL.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <string>

#include "effect/ProcessingValues.h"
#include "effect/ProcessingVariant.h"
#include "tests/support/Settings.h"

namespace {

ffgl::TextureRecord Texture(uint32_t width, uint32_t height, uint32_t hardwareWidth, uint32_t hardwareHeight) {
    return {width, height, hardwareWidth, hardwareHeight, 7};
}

TEST(ProcessingValues, MaxUvIsTheUsedShareOfThePaddedTexture) {
    const FrameValues frame = ComputeFrameValues(1, 0.0f);
    const ProcessingUniforms padded = ComputeProcessingUniforms(frame, Texture(1280, 720, 2048, 1024), {});
    EXPECT_EQ(padded.maxU, 0.625f);
    EXPECT_EQ(padded.maxV, 0.703125f);
    const ProcessingUniforms exact = ComputeProcessingUniforms(frame, Texture(640, 480, 640, 480), {});
    EXPECT_EQ(exact.maxU, 1.0f);
    EXPECT_EQ(exact.maxV, 1.0f);
    // A host that reports no allocation must not feed the shader an infinity.
    const ProcessingUniforms empty = ComputeProcessingUniforms(frame, Texture(640, 480, 0, 0), {});
    EXPECT_EQ(empty.maxU, 1.0f);
    EXPECT_EQ(empty.maxV, 1.0f);
}

TEST(ProcessingValues, OptionsRoundHalfUpAndAmountsPassUnchanged) {
    const FrameValues frame = ComputeFrameValues(30, 0.0f);
    const ProcessingUniforms u = ComputeProcessingUniforms(
        frame, Texture(4, 4, 4, 4), Settings({{kParamColorMode, 2.6f}, {kParamNoise, 0.37f}, {kParamGlitch, 0.05f}}));
    EXPECT_EQ(u.inputTexture, 0);
    EXPECT_EQ(u.parameters[kParamColorMode].whole, 3);
    EXPECT_EQ(u.parameters[kParamNoise].level, 0.37f);
    EXPECT_EQ(u.parameters[kParamGlitch].level, 0.05f);
    EXPECT_EQ(u.time, 0.5f);
    EXPECT_EQ(ComputeProcessingUniforms(frame, Texture(4, 4, 4, 4), Settings({{kParamColorMode, 0.49f}}))
                  .parameters[kParamColorMode]
                  .whole,
              0);
}

// Each feature's variant switch follows the shader's own test of its uniform.
TEST(ProcessingVariant, EachFeatureSwitchesAtTheShadersThreshold) {
    const ProcessingUniforms plain;
    const ProcessingVariant none;
    EXPECT_EQ(VariantFor(plain), none);
    const auto with = [&](auto change) {
        ProcessingUniforms uniforms = plain;
        change(uniforms);
        return VariantFor(uniforms);
    };
    const auto mode = [](ProcessingUniforms& u) -> int32_t& { return u.parameters[kParamColorMode].whole; };
    const auto glitch = [](ProcessingUniforms& u) -> float& { return u.parameters[kParamGlitch].level; };
    const auto noise = [](ProcessingUniforms& u) -> float& { return u.parameters[kParamNoise].level; };
    for (int m : {1, 2, 3}) EXPECT_EQ(with([&](ProcessingUniforms& u) { mode(u) = m; }).colorMode, m);
    for (int m : {-1, 4, INT_MAX}) EXPECT_EQ(with([&](ProcessingUniforms& u) { mode(u) = m; }), none);
    EXPECT_FALSE(with([&](ProcessingUniforms& u) { glitch(u) = 0.001f; }).glitch);
    EXPECT_TRUE(with([&](ProcessingUniforms& u) { glitch(u) = 0.0011f; }).glitch);
    EXPECT_FALSE(with([&](ProcessingUniforms& u) { noise(u) = 0.001f; }).noise);
    EXPECT_TRUE(with([&](ProcessingUniforms& u) { noise(u) = 0.5f; }).noise);
    EXPECT_FALSE(with([](ProcessingUniforms& u) { u.scanIntensity = 0.001f; }).scanGlow);
    EXPECT_TRUE(with([](ProcessingUniforms& u) { u.scanIntensity = 0.5f; }).scanGlow);
    EXPECT_EQ(with([&](ProcessingUniforms& u) { glitch(u) = std::nanf(""); }), none);
    EXPECT_TRUE(with([](ProcessingUniforms& u) { u.readArea.maxV = 0.9f; }).padded);
    EXPECT_FALSE(IsPadded(plain.readArea));
    EXPECT_TRUE(IsPadded({0.0f, 0.0f, 1.0f, 0.9f}));
}

TEST(ProcessingVariant, EveryVariantHasItsOwnNumber) {
    for (int index = 0; index < kProcessingVariantCount; ++index) {
        const ProcessingVariant variant = VariantAt(index);
        EXPECT_EQ(VariantIndex(variant), index);
        EXPECT_GE(variant.colorMode, 0);
        EXPECT_LE(variant.colorMode, 3);
    }
    EXPECT_EQ(VariantIndex({3, true, true, true, true}), kProcessingVariantCount - 1);
}

// The switches follow the #version line, every one of them defined, and the rest of the
// source is unchanged; the text fits the room reserved for it.
TEST(ProcessingVariant, SourceDefinesEverySwitchAfterTheVersionLine) {
    const char* const source = "#version 410 core\nvoid main() {}\n";
    std::string text;
    text.reserve(VariantSourceRoom(source));
    const size_t room = text.capacity();
    WriteVariantSource(source, {2, true, false, true, true}, &text);
    EXPECT_EQ(text,
              "#version 410 core\n#define COLOR_MODE 2\n#define GLITCH true\n#define NOISE false\n"
              "#define SCAN_GLOW true\n#define READ_WITHIN_PICTURE\nvoid main() {}\n");
    for (int index = 0; index < kProcessingVariantCount; ++index) {
        WriteVariantSource(source, VariantAt(index), &text);
        EXPECT_LE(text.size(), room);
    }
    EXPECT_EQ(text.capacity(), room) << "a variant's source outgrew its room";
    EXPECT_EQ(FullProgramSource(source, false), source);
    EXPECT_EQ(FullProgramSource(source, true), "#version 410 core\n#define READ_WITHIN_PICTURE\nvoid main() {}\n");
}

TEST(ProcessingValues, ScanOffHasNoPositionAndNoGlow) {
    const FrameValues frame = ComputeFrameValues(1000, 0.49f);
    EXPECT_EQ(frame.scanMode, 0);
    EXPECT_EQ(frame.scanPosition, 0.0f);
    EXPECT_EQ(frame.scanIntensity, 0.0f);
}

TEST(ProcessingValues, EveryScanModeMovesTheSameGlowBand) {
    for (float mode : {1.0f, 2.0f, 3.0f, 4.0f}) {
        const FrameValues frame = ComputeFrameValues(1, mode);
        EXPECT_EQ(frame.scanMode, static_cast<int>(mode));
        EXPECT_EQ(frame.scanIntensity, 0.5f);
        EXPECT_EQ(frame.frameTime, 1.0f / 60.0f);
        // Two single-precision products, the first with the float just above 0.9.
        float speed;
        const uint32_t bits = 0x3F666667u;
        std::memcpy(&speed, &bits, sizeof speed);
        EXPECT_EQ(frame.scanPosition, std::fmod((1.0f / 60.0f * speed) * 0.3f, 1.0f));
        EXPECT_NEAR(frame.scanPosition, 0.0045f, 1e-6f);
    }
}

TEST(ProcessingValues, ScanPositionStaysInTheUnitRangeAfterTheCounterWraps) {
    const FrameValues frame = ComputeFrameValues(INT32_MIN, 1.0f);
    EXPECT_GE(frame.scanPosition, 0.0f);
    EXPECT_LT(frame.scanPosition, 1.0f);
}

TEST(ProcessingValues, OnlyFramesOneToThreeAreLogged) {
    char line[256];
    const ffgl::TextureRecord texture = Texture(1280, 720, 2048, 1024);
    ASSERT_TRUE(FormatFirstFrameLine(line, sizeof line, 2, texture, 5, 9));
    EXPECT_STREQ(line, "ZaqVigilomatronic v2: frame 2, tex=7 2048x1024, shader=5, HostFBO=9");
    for (int32_t frame : {0, 4, 1000, INT32_MIN, -1}) {
        std::strcpy(line, "untouched");
        EXPECT_FALSE(FormatFirstFrameLine(line, sizeof line, frame, texture, 5, 9)) << frame;
        EXPECT_STREQ(line, "untouched");
    }
}

TEST(ProcessingValues, LongLogLineIsCutToItsBuffer) {
    char line[16];
    ASSERT_TRUE(FormatFirstFrameLine(line, sizeof line, 1, Texture(1, 1, 1, 1), 1, 1));
    EXPECT_EQ(std::string(line), "ZaqVigilomatron");
}

}  // namespace
