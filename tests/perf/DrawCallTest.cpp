// What a batched frame costs the driver: draw calls and line-buffer uploads, against the
// per-primitive reference of tests/support/PerPrimitiveHud.h.
#include <memory>
#include <utility>
#include <vector>

#include "effect/ProcessingValues.h"
#include "effect/hud/HudStages.h"
#include "tests/perf/DrawCounting.h"
#include "tests/support/EffectRender.h"
#include "tests/support/PerPrimitiveHud.h"

namespace {

class DriverCalls : public EffectRender {
protected:
    DriverCalls() {
        targetWidth = 320;
        targetHeight = 180;
    }

    void SetUp() override {
        EffectRender::SetUp();
        if (!IsSkipped() && !HasFatalFailure()) UploadSolid(70, 110, 90, 32, 18);
    }

    // Everything on: the tactical crosshair, the square grid, the radar and the info block.
    void SetEverythingOn(bool on) {
        const std::pair<uint32_t, float> settings[] = {{kParamCrosshair, on ? 2.0f : 0.0f},
                                                       {kParamGrid, on ? 1.0f : 0.0f},
                                                       {kParamScanLine, on ? 3.0f : 0.0f},
                                                       {kParamCorners, on ? 1.0f : 0.0f},
                                                       {kParamShowInfo, on ? 1.0f : 0.0f}};
        for (const auto& [index, value] : settings) Set(index, value);
        FrameCounter() = 0;  // frame 1: the recording sign is shown
    }

    // The calls of one frame with everything on.
    FrameCalls CountFrame() {
        SetEverythingOn(true);
        const FrameCalls before = CountedCalls();
        EXPECT_EQ(RenderFrame(), 0u);
        const FrameCalls after = CountedCalls();
        return {after.draws - before.draws, after.uploads - before.uploads};
    }

    // The same frame with its HUD drawn by the per-primitive reference: the frame with no
    // HUD stage, then the stages with everything on.
    FrameCalls CountReferenceFrame() {
        SetEverythingOn(false);
        const FrameCalls before = CountedCalls();
        EXPECT_EQ(RenderFrame(), 0u);
        const FrameValues frame = ComputeFrameValues(1, 3.0f);
        {
            PerPrimitiveHud reference(Hud());
            DrawHudStages(reference,
                          {1.0f, 0.0f, true, 1, frame.scanMode, frame.scanPosition, 2, true, 1, PinnedTime()});
        }
        const FrameCalls after = CountedCalls();
        return {after.draws - before.draws, after.uploads - before.uploads};
    }
};

TEST_F(DriverCalls, ABatchedFrameWithEverythingOnMakesFewDrawsAndOneUpload) {
    CountBufferUploads();
    const FrameCalls batched = CountFrame();
    EXPECT_LE(batched.draws, 32u);
    EXPECT_GE(batched.draws, 9u);  // the pass, four line stages, sign, clock, two caption groups
    EXPECT_EQ(batched.uploads, 1u);
    // The reference really draws primitive by primitive: one upload per draw.
    const FrameCalls perPrimitive = CountReferenceFrame();
    EXPECT_GT(perPrimitive.draws, 5000u);
    EXPECT_EQ(perPrimitive.uploads, perPrimitive.draws - 1);
}

// The driver builds each program at its first draw: set-up draws every one, into a
// target of its own, and leaves the host's framebuffer, viewport, blending and pixels.
TEST_F(DriverCalls, SetUpDrawsEveryProgramOnceOutOfTheHostsSight) {
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glViewport(1, 2, 30, 40);
    glEnable(GL_BLEND);
    glBlendFuncSeparate(GL_ONE, GL_ZERO, GL_ZERO, GL_ONE);
    const std::vector<uint8_t> before = Read().bytes;
    const uint64_t draws = CountedCalls().draws;
    std::unique_ptr<ZaqVigilomatronic> made = MakeEffect();
    ASSERT_NE(made, nullptr);
    EXPECT_GE(CountedCalls().draws - draws, 4u);  // full and plain pass, overlay, HUD
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_EQ(Integer(GL_DRAW_FRAMEBUFFER_BINDING), static_cast<GLint>(target.framebuffer));
    EXPECT_EQ(Integer(GL_READ_FRAMEBUFFER_BINDING), static_cast<GLint>(target.framebuffer));
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(std::vector<GLint>(viewport, viewport + 4), (std::vector<GLint>{1, 2, 30, 40}));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(Integer(GL_BLEND_DST_ALPHA), GL_ONE);
    EXPECT_EQ(Read().bytes, before);
    made->TearDownGraphics();
}

}  // namespace
