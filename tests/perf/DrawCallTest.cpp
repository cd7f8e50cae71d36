// What a batched frame costs the driver: draw calls and line-buffer uploads, against the
// per-primitive drawing it replaces.
#include <memory>
#include <utility>
#include <vector>

#include "tests/perf/DrawCounting.h"
#include "tests/support/EffectRender.h"

namespace {

class DriverCalls : public EffectRender {
protected:
    DriverCalls() {
        targetWidth = 320;
        targetHeight = 180;
        withReference = true;
    }

    void SetUp() override {
        EffectRender::SetUp();
        if (!IsSkipped() && !HasFatalFailure()) UploadSolid(70, 110, 90, 32, 18);
    }

    // Everything on: the tactical crosshair, the square grid, the radar and the info block.
    FrameCalls CountFrame(ZaqVigilomatronic& instance) {
        const std::pair<uint32_t, float> settings[] = {
            {kParamCrosshair, 2.0f}, {kParamGrid, 1.0f}, {kParamScanLine, 3.0f}};
        for (const auto& [index, value] : settings) EXPECT_EQ(instance.ApplyParameterValue(index, value), 0u);
        EffectTestAccess::FrameCounter(instance) = 0;  // frame 1: the recording sign is shown
        const FrameCalls before = CountedCalls();
        EXPECT_EQ(RenderFrame(instance), 0u);
        const FrameCalls after = CountedCalls();
        return {after.draws - before.draws, after.uploads - before.uploads};
    }

    PinnedClock pinned{&PinnedTime};
};

TEST_F(DriverCalls, ABatchedFrameWithEverythingOnMakesFewDrawsAndOneUpload) {
    CountBufferUploads();
    const FrameCalls batched = CountFrame(*effect);
    EXPECT_LE(batched.draws, 32u);
    EXPECT_GE(batched.draws, 9u);  // the pass, four line stages, sign, clock, two caption groups
    EXPECT_EQ(batched.uploads, 1u);
    // The reference really draws primitive by primitive: one upload per draw.
    const FrameCalls perPrimitive = CountFrame(*reference);
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
