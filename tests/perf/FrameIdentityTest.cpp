// The batched HUD against the per-primitive drawing it replaces: the same frame rendered
// both ways must come out byte for byte the same, for every combination of elements and
// styles, through the hue shifts and opacities, at several frame counts (REC blink,
// radar angle, scan position, clock frames). Also counts what a batched frame costs the
// driver: draw calls and line-buffer uploads.
#include <GL/glew.h>

#include <optional>
#include <string>
#include <vector>

#include "effect/Clock.h"
#include "tests/perf/DrawCounting.h"
#include "tests/render/RenderHarness.h"

namespace {

using render_test::EffectRender;

std::optional<ClockTime> PinnedTime() { return ClockTime{14, 3, 9}; }

struct HudSettings {
    int crosshair = 0;  // option values, 0 "Off"
    int grid = 0;
    int scan = 0;
    bool corners = true;
    bool info = true;
    float hue = 0.0f;
    float opacity = 1.0f;
    int32_t frame = 1;
};

std::string Describe(const HudSettings& s) {
    return "crosshair " + std::to_string(s.crosshair) + " grid " + std::to_string(s.grid) + " scan " +
           std::to_string(s.scan) + " corners " + std::to_string(s.corners) + " info " + std::to_string(s.info) +
           " hue " + std::to_string(s.hue) + " opacity " + std::to_string(s.opacity) + " frame " +
           std::to_string(s.frame);
}

constexpr float kHueShifts[] = {0.0f, 0.25f, 0.5f, 1.0f};
constexpr float kOpacities[] = {0.0f, 0.5f, 1.0f};

class FrameIdentity : public EffectRender {
protected:
    explicit FrameIdentity(int width = 640, int height = 360) {
        targetWidth = width;
        targetHeight = height;
    }

    void SetUp() override {
        EffectRender::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        savedClock = localTimeSource;
        localTimeSource = &PinnedTime;
        UploadSolid(70, 110, 90, 32, 18);
    }

    void TearDown() override {
        localTimeSource = savedClock;
        EffectRender::TearDown();
    }

    void Apply(const HudSettings& s) {
        Set(kParamCrosshair, static_cast<float>(s.crosshair));
        Set(kParamGrid, static_cast<float>(s.grid));
        Set(kParamScanLine, static_cast<float>(s.scan));
        Set(kParamCorners, s.corners ? 1.0f : 0.0f);
        Set(kParamShowInfo, s.info ? 1.0f : 0.0f);
        Set(kParamHueShift, s.hue);
        Set(kParamHudOpacity, s.opacity);
    }

    std::vector<uint8_t> RenderAs(const HudSettings& s, bool batched) {
        Apply(s);
        effect->hudBatching = batched;
        effect->frameCounter = s.frame - 1;  // the frame raises it to s.frame
        EXPECT_EQ(RenderFrame(), 0u);
        return target.ReadPixels();
    }

    void ExpectIdentical(const HudSettings& s) {
        const std::vector<uint8_t> reference = RenderAs(s, false);
        const std::vector<uint8_t> batched = RenderAs(s, true);
        ASSERT_EQ(reference.size(), batched.size());
        size_t differing = 0, first = 0;
        for (size_t i = 0; i < reference.size(); ++i)
            if (reference[i] != batched[i] && differing++ == 0) first = i / 4;
        EXPECT_EQ(differing, 0u) << Describe(s) << ": first differing pixel (" << first % target.width << ", "
                                 << first / target.width << ")";
    }

    LocalTimeSource savedClock = nullptr;
};

TEST_F(FrameIdentity, EveryCombinationOfElementsAndStylesDrawsTheSamePixels) {
    int index = 0;
    for (int crosshair = 0; crosshair <= 3; ++crosshair)
        for (int grid = 0; grid <= 3; ++grid)
            for (int scan = 0; scan <= 3; ++scan)
                for (int flags = 0; flags < 4; ++flags, ++index) {
                    HudSettings s{crosshair, grid, scan, (flags & 1) != 0, (flags & 2) != 0};
                    // Each combination meets another hue, opacity and frame.
                    s.hue = kHueShifts[index % 4];
                    s.opacity = kOpacities[(index / 4) % 3];
                    s.frame = 1 + (index * 37) % 400;
                    ExpectIdentical(s);
                    if (HasFailure()) return;
                }
}

class FullHdIdentity : public FrameIdentity {
protected:
    FullHdIdentity() : FrameIdentity(1920, 1080) {}
};

TEST_F(FullHdIdentity, EveryHueAndOpacityWithEverythingOn) {
    for (float hue : kHueShifts)
        for (float opacity : kOpacities) ExpectIdentical({2, 1, 3, true, true, hue, opacity, 1});
}

TEST_F(FullHdIdentity, FramesThatMoveTheSweepAndBlinkTheSign) {
    // 1: sign shown; 45: hidden; 125: clock frames 05; 1000: radar far round.
    for (int32_t frame : {1, 45, 125, 1000}) {
        ExpectIdentical({1, 3, 3, true, true, 0.5f, 1.0f, frame});
        ExpectIdentical({3, 2, 1, true, true, 0.25f, 0.5f, frame});
        ExpectIdentical({2, 1, 2, true, true, 0.0f, 1.0f, frame});
    }
}

// More colour and width changes than one batch holds: the batch must send what it has
// and go on, drawing in the order given.
TEST_F(FrameIdentity, ABatchThatFillsUpKeepsTheOrderOfDrawing) {
    auto draw = [this](bool batched) {
        glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
        glViewport(0, 0, target.width, target.height);
        glClearColor(0.1f, 0.2f, 0.3f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glUseProgram(effect->lineShader.ProgramHandle());
        glBindVertexArray(effect->lineVertexArray);
        const GLint color = effect->lineShader.UniformLocation("Color");
        if (batched) effect->hudBatch.Open();
        for (int i = 0; i < 3 * HudCommandList::kMaxCommands; ++i) {
            const float t = static_cast<float>(i) / (3 * HudCommandList::kMaxCommands);
            effect->hudBatch.SetColor(color, t, 1.0f - t, 0.5f, 0.3f + 0.5f * t);
            effect->hudBatch.SetLineWidth(i % 2 ? 1.0f : 2.0f);
            effect->DrawLine(t, 0.0f, 1.0f - t, 1.0f);
            effect->DrawFilledRect(t * 0.8f, 0.4f, 0.2f, 0.2f);
        }
        effect->hudBatch.Close();
        glBindVertexArray(0);
        glUseProgram(0);
        glDisable(GL_BLEND);
        return target.ReadPixels();
    };
    const std::vector<uint8_t> reference = draw(false);
    EXPECT_TRUE(reference == draw(true));
}

class DriverCalls : public FrameIdentity {
protected:
    DriverCalls() : FrameIdentity(320, 180) {}

    FrameCalls CountFrame(bool batched) {
        Apply({2, 1, 3, true, true, 0.0f, 1.0f, 1});
        effect->hudBatching = batched;
        effect->frameCounter = 0;  // frame 1: the recording sign is shown
        const FrameCalls before = CountedCalls();
        EXPECT_EQ(RenderFrame(), 0u);
        const FrameCalls after = CountedCalls();
        return {after.draws - before.draws, after.uploads - before.uploads};
    }
};

TEST_F(DriverCalls, ABatchedFrameWithEverythingOnMakesFewDrawsAndOneUpload) {
    CountBufferUploads();
    const FrameCalls batched = CountFrame(true);
    EXPECT_LE(batched.draws, 32u);
    EXPECT_GE(batched.draws, 9u);  // the pass, four line stages, sign, clock, two caption groups
    EXPECT_EQ(batched.uploads, 1u);
    // The reference really draws primitive by primitive: one upload per draw.
    const FrameCalls reference = CountFrame(false);
    EXPECT_GT(reference.draws, 5000u);
    EXPECT_EQ(reference.uploads, reference.draws - 1);
}

}  // namespace
