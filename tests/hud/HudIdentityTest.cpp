// The batched HUD against the per-primitive reference of tests/support/PerPrimitiveHud.h:
// a frame's HUD stages drawn both ways over the same processed picture must come out
// byte for byte the same, for every combination of elements and styles, through the hue
// shifts and opacities, at several frame counts (REC blink, radar angle, scan position,
// clock frames).
#include <string>
#include <utility>
#include <vector>

#include "effect/ProcessingValues.h"
#include "effect/hud/HudStages.h"
#include "tests/support/EffectRender.h"
#include "tests/support/PerPrimitiveHud.h"

namespace {

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

// The effect's HUD batched, as a frame draws it, against the per-primitive reference.
class FrameIdentity : public EffectRender {
protected:
    explicit FrameIdentity(int width = 640, int height = 360) {
        targetWidth = width;
        targetHeight = height;
    }

    void SetUp() override {
        EffectRender::SetUp();
        if (!IsSkipped() && !HasFatalFailure()) UploadSolid(70, 110, 90, 32, 18);
    }

    // Frame s.frame with its HUD hidden (alpha 0, no info block), then, blended over it as
    // the frame blends, the HUD stages with the settings drawn by `draw`.
    template <typename Draw>
    std::vector<uint8_t> RenderAs(const HudSettings& s, Draw&& draw) {
        const std::pair<uint32_t, float> values[] = {{kParamCrosshair, float(s.crosshair)},
                                                     {kParamGrid, float(s.grid)},
                                                     {kParamScanLine, float(s.scan)},
                                                     {kParamCorners, s.corners ? 1.0f : 0},
                                                     {kParamShowInfo, 0.0f},
                                                     {kParamHueShift, s.hue},
                                                     {kParamHudOpacity, 0.0f}};
        for (const auto& [index, value] : values) Set(index, value);
        FrameCounter() = s.frame - 1;  // the frame raises it to s.frame
        EXPECT_EQ(RenderFrame(), 0u);
        const FrameValues frame = ComputeFrameValues(s.frame, float(s.scan));
        glEnable(GL_BLEND);
        glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
        draw(HudStageValues{s.opacity, s.hue, s.corners, s.grid, frame.scanMode, frame.scanPosition, s.crosshair,
                            s.info, s.frame, PinnedTime()});
        glDisable(GL_BLEND);
        glLineWidth(1.0f);
        return target.ReadPixels();
    }

    // The same drawing both ways: through the renderer in a frame, and primitive by primitive.
    template <typename Draw>
    std::pair<std::vector<uint8_t>, std::vector<uint8_t>> BothWays(const HudSettings& s, Draw&& draw) {
        std::vector<uint8_t> expected = RenderAs(s, [&](const HudStageValues& v) {
            PerPrimitiveHud reference(Hud());
            draw(reference, v);
        });
        std::vector<uint8_t> batched = RenderAs(s, [&](const HudStageValues& v) {
            HudFrameScope frame(Hud());
            draw(Hud(), v);
        });
        return {std::move(expected), std::move(batched)};
    }

    void ExpectIdentical(const HudSettings& s) {
        const auto [expected, batched] = BothWays(s, [](auto& hud, const HudStageValues& v) { DrawHudStages(hud, v); });
        ASSERT_EQ(expected.size(), batched.size());
        size_t differing = 0, first = 0;
        for (size_t i = 0; i < expected.size(); ++i)
            if (expected[i] != batched[i] && differing++ == 0) first = i / 4;
        EXPECT_EQ(differing, 0u) << Describe(s) << ": first differing pixel (" << first % target.width << ", "
                                 << first / target.width << ")";
    }
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
    HudSettings nothing{0, 0, 0, false, false};
    const auto [expected, batched] = BothWays(nothing, [](auto& hud, const HudStageValues&) {
        for (int i = 0; i < 3 * HudCommandList::kMaxCommands; ++i) {
            const float t = static_cast<float>(i) / (3 * HudCommandList::kMaxCommands);
            hud.SetColor({t, 1.0f - t, 0.5f}, 0.3f + 0.5f * t);
            hud.SetLineWidth(i % 2 ? 1.0f : 2.0f);
            hud.DrawLine(t, 0.0f, 1.0f - t, 1.0f);
            hud.DrawFilledRect(t * 0.8f, 0.4f, 0.2f, 0.2f);
        }
    });
    EXPECT_TRUE(expected == batched);
}

}  // namespace
