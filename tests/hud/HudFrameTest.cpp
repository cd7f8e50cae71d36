// The HUD as a host sees it: the built library loaded, an instance made and frames
// processed through plugMain over a black input, the output read back.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "abi/ffgl_abi.h"
#include "tests/hud/PixelTest.h"
#include "tools/hostkit/GlContext.h"
#include "tools/hostkit/InputTexture.h"
#include "tools/hostkit/PluginLibrary.h"
#include "tools/hostkit/RenderTarget.h"

using namespace ffgl;

namespace {

constexpr uint32_t kCrosshair = 2, kScanLine = 4, kGrid = 5, kShowInfo = 6;

class HudFrame : public PixelTest {
protected:
    HudFrame() {
        width = 640;
        height = 360;
    }

    void SetUp() override {
        std::string error;
        ASSERT_TRUE(library.Load(VIGIL_PLUGIN_PATH, &error)) << error;
        context = GlContext::Create(&error);
        ASSERT_TRUE(context) << error;
        ASSERT_TRUE(target.Create(width, height));
        const std::vector<uint8_t> black(static_cast<size_t>(width) * height * 4, 0);
        ASSERT_TRUE(input.Create(width, height, width, height, black.data()));
        ViewportRecord viewport{0, 0, static_cast<uint32_t>(width), static_cast<uint32_t>(height)};
        const uint64_t handle = library.plugMain(kInstantiate, PointerBits(&viewport), nullptr);
        ASSERT_NE(handle, kFailure);
        instance = BitsPointer<void>(handle);
    }

    void TearDown() override {
        if (instance) library.plugMain(kDeinstantiate, 0, instance);
        if (!context) return;
        input.Release();
        target.Release();
    }

    void Set(uint32_t index, float value) {
        SetParameterRecord record{index, 0, FloatBits(value)};
        ASSERT_EQ(library.plugMain(kSetParameter, PointerBits(&record), instance), kSuccess);
    }

    // Processes frames up to and including the given frame number, keeping the last.
    void RenderUpTo(int frame) {
        TextureRecord texture{static_cast<uint32_t>(width), static_cast<uint32_t>(height), static_cast<uint32_t>(width),
                              static_cast<uint32_t>(height), input.texture};
        TextureRecord* inputs[] = {&texture};
        ProcessingRecord record{1, 0, inputs, target.framebuffer, 0};
        for (; rendered < frame; ++rendered)
            ASSERT_EQ(library.plugMain(kProcessFrame, PointerBits(&record), instance), kSuccess);
        pixels = target.ReadPixels();
    }

    bool RecordingSignShown() const { return LitIn(0.875f, 0.945f, 0.935f, 0.97f) > 0; }

    PluginLibrary library;
    std::unique_ptr<GlContext> context;
    RenderTarget target;
    InputTexture input;
    void* instance = nullptr;
    int rendered = 0;
};

}  // namespace

TEST_F(HudFrame, DefaultsShowTheCornerBracketsAndTheInfoBlockOnly) {
    RenderUpTo(1);
    const Rgba bracket = CommonColor(0.03f, 0.015f, 0.07f, 0.025f);
    EXPECT_EQ(bracket.r, 0);
    EXPECT_EQ(bracket.g, 255);
    EXPECT_NEAR(bracket.b, 136, 1.0);
    EXPECT_TRUE(LitNear(0.98f, 0.95f));
    EXPECT_TRUE(RecordingSignShown());
    EXPECT_GT(CommonColor(0.875f, 0.945f, 0.935f, 0.97f).r, 200);
    EXPECT_GT(LitIn(0.715f, 0.035f, 0.84f, 0.06f), 0);  // clock
    EXPECT_GT(LitIn(0.02f, 0.93f, 0.2f, 0.97f), 0);     // captions 3 and 4
    EXPECT_EQ(LitIn(0.2f, 0.2f, 0.8f, 0.8f), 0);        // no grid, scan line or crosshair
}

TEST_F(HudFrame, RecordingSignBlinksOffByFrameFortyFive) {
    RenderUpTo(37);
    EXPECT_TRUE(RecordingSignShown());
    RenderUpTo(45);
    EXPECT_FALSE(RecordingSignShown());
    EXPECT_GT(LitIn(0.715f, 0.035f, 0.84f, 0.06f), 0);
}

TEST_F(HudFrame, EveryStageDrawsWhenSwitchedOn) {
    Set(kCrosshair, 1.0f);  // Standard
    Set(kGrid, 1.0f);       // Square
    Set(kScanLine, 3.0f);   // Radar
    Set(kShowInfo, 0.0f);
    RenderUpTo(1);
    EXPECT_TRUE(LitNear(0.5f, 0.5f));   // crosshair dot
    EXPECT_TRUE(LitNear(0.43f, 0.5f));  // crosshair arm
    EXPECT_TRUE(LitNear(1.0f / 7.0f, 0.3f));
    // Radar sweep after one frame: 1.7 / 60 rad above +x.
    EXPECT_TRUE(LitNear(0.5f + 0.4f * std::cos(1.7f / 60.0f), 0.5f + 0.4f * std::sin(1.7f / 60.0f)));
    EXPECT_TRUE(LitNear(0.5f, 0.5f + 0.297f));  // middle range ring
    EXPECT_FALSE(RecordingSignShown());
}
