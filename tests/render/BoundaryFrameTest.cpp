// Frames as a host makes them: the built library loaded with dlopen, an instance created
// with code 18, parameters set with code 8, frames drawn with code 17 into a framebuffer
// of the host's, and the log texts received through the host's callback.
#include <gtest/gtest.h>

#include <GL/glew.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "Pictures.h"
#include "abi/ffgl_abi.h"
#include "tools/hostkit/GlContext.h"
#include "tools/hostkit/InputTexture.h"
#include "tools/hostkit/PluginLibrary.h"
#include "tools/hostkit/RenderTarget.h"

namespace {

std::vector<std::string> hostLog;
void ReceiveLog(const char* text) { hostLog.push_back(text); }

class HostFrame : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        context = GlContext::Create(&error);
        if (!context) GTEST_SKIP() << error;
        ASSERT_TRUE(library.Load(VIGIL_PLUGIN_PATH, &error)) << error;
        ASSERT_NE(library.setLogCallback, nullptr);
        hostLog.clear();
        library.setLogCallback(&ReceiveLog);
        ASSERT_TRUE(target.Create(kSize, kSize));
        const std::vector<uint8_t> picture = render_test::SolidPicture(kSize, kSize, 200, 100, 50);
        ASSERT_TRUE(input.Create(kSize, kSize, kSize, kSize, picture.data()));
        ffgl::ViewportRecord viewport{0, 0, kSize, kSize};
        const uint64_t answer = library.plugMain(ffgl::kInstantiate, ffgl::PointerBits(&viewport), nullptr);
        ASSERT_NE(answer, ffgl::kFailure);
        ASSERT_NE(answer, 0u);
        instance = ffgl::BitsPointer<void>(answer);
    }

    void TearDown() override {
        if (instance) {
            EXPECT_EQ(library.plugMain(ffgl::kDeinstantiate, 0, instance), ffgl::kSuccess);
        }
        if (library.setLogCallback) library.setLogCallback(nullptr);
        if (context) {
            input.Release();
            target.Release();
        }
    }

    uint64_t SetValue(uint32_t index, float value) {
        ffgl::SetParameterRecord record{index, 0, 0};
        std::memcpy(&record.value, &value, sizeof value);
        return library.plugMain(ffgl::kSetParameter, ffgl::PointerBits(&record), instance);
    }

    uint64_t Frame(uint32_t inputCount = 1) {
        ffgl::TextureRecord texture{kSize, kSize, kSize, kSize, input.texture};
        ffgl::TextureRecord* inputs[1] = {&texture};
        ffgl::ProcessingRecord record{inputCount, 0, inputs, target.framebuffer, 0};
        return library.plugMain(ffgl::kProcessFrame, ffgl::PointerBits(&record), instance);
    }

    // Channel values of one pixel, 0..255, rows counted from the bottom.
    std::vector<int> Pixel(int x, int y) const {
        const std::vector<uint8_t> pixels = target.ReadPixels();
        const uint8_t* p = &pixels[(static_cast<size_t>(y) * kSize + x) * 4];
        return {p[0], p[1], p[2]};
    }

    static void ExpectNear(const std::vector<int>& got, std::vector<float> want, const char* what) {
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(got[c], std::lround(want[c] * 255.0f), 2) << what << " channel " << c;
    }

    static constexpr uint32_t kSize = 200;
    // Inside the lower-left corner bracket's horizontal arm; the centre is free of HUD.
    static constexpr int kBracketX = 9, kBracketY = 4, kCentre = 100;

    std::unique_ptr<GlContext> context;
    PluginLibrary library;
    RenderTarget target;
    InputTexture input;
    void* instance = nullptr;
};

TEST_F(HostFrame, DefaultsShowThePictureWithGreenCyanBracketsAndLogThreeFrames) {
    for (int i = 0; i < 4; ++i) ASSERT_EQ(Frame(), ffgl::kSuccess);
    ExpectNear(Pixel(kCentre, kCentre), {200 / 255.0f, 100 / 255.0f, 50 / 255.0f}, "picture");
    ExpectNear(Pixel(kBracketX, kBracketY), {0.0f, 1.0f, 0.533f}, "bracket");
    ASSERT_EQ(hostLog.size(), 3u);
    const std::string tail = ", tex=" + std::to_string(input.texture) + " 200x200, shader=";
    for (int i = 0; i < 3; ++i) {
        const std::string head = "ZaqVigilomatronic v2: frame " + std::to_string(i + 1) + tail;
        EXPECT_EQ(hostLog[i].rfind(head, 0), 0u) << hostLog[i];
        EXPECT_NE(hostLog[i].find(", HostFBO=" + std::to_string(target.framebuffer)), std::string::npos);
    }
}

TEST_F(HostFrame, ParametersFromTheHostReachThePassAndTheHud) {
    ASSERT_EQ(SetValue(0, 3.0f), ffgl::kSuccess);   // "Color Mode": Negative
    ASSERT_EQ(SetValue(10, 0.5f), ffgl::kSuccess);  // "Hue Shift": half a turn
    ASSERT_EQ(Frame(), ffgl::kSuccess);
    ExpectNear(Pixel(kCentre, kCentre), {55 / 255.0f, 155 / 255.0f, 205 / 255.0f}, "negative picture");
    ExpectNear(Pixel(kBracketX, kBracketY), {1.0f, 0.0f, 0.467f}, "bracket turned half way");
}

TEST_F(HostFrame, FrameWithoutInputFailsAndDrawsNothing) {
    ASSERT_EQ(Frame(), ffgl::kSuccess);
    const std::vector<uint8_t> before = target.ReadPixels();
    hostLog.clear();
    EXPECT_EQ(Frame(0), ffgl::kFailure);
    EXPECT_EQ(target.ReadPixels(), before);
    // The failed frame did not count: the next is frame 2, still logged.
    ASSERT_EQ(Frame(), ffgl::kSuccess);
    ASSERT_EQ(hostLog.size(), 1u);
    EXPECT_EQ(hostLog[0].rfind("ZaqVigilomatronic v2: frame 2,", 0), 0u) << hostLog[0];
}

}  // namespace
