// What a batched frame costs the driver: draw calls and line-buffer uploads, against the
// per-primitive drawing it replaces.
#include <utility>

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

}  // namespace
