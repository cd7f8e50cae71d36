// The motion's clock without GL: the first period keeps the values it always had, and
// every later frame steps as the first ones do, through the period's wrap and the
// counter's signed wrap alike.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "effect/MotionClock.h"
#include "effect/ProcessingValues.h"

namespace {

TEST(MotionClock, TheFirstPeriodKeepsItsValuesExactly) {
    for (int32_t frame = 0; frame < static_cast<int32_t>(kMotionPeriodFrames); ++frame) {
        ASSERT_EQ(MotionTime(frame), static_cast<float>(frame) / 60.0f) << frame;
        ASSERT_EQ(RadarAngle(frame), static_cast<float>(frame) / 60.0f * 1.7f) << frame;
    }
}

// Within half a percent: the first period's single precision reaches that much at its end.
TEST(MotionClock, EveryLaterFrameStepsLikeTheFirst) {
    constexpr int32_t kDay = 24 * 3600 * 60;
    constexpr double kRadarStep = 1.7 / 60.0, kScanStep = 0.9 * 0.3 / 60.0;
    for (const int32_t first : {35998, 8 * 3600 * 60 - 2, kDay - 2, 7 * kDay - 2, 365 * kDay - 2, INT32_MAX - 2})
        for (uint32_t i = 0; i < 4; ++i) {
            // Through unsigned arithmetic, as the effect counts: the last start wraps its sign.
            const auto a = static_cast<int32_t>(static_cast<uint32_t>(first) + i);
            const auto b = static_cast<int32_t>(static_cast<uint32_t>(first) + i + 1u);
            EXPECT_NEAR(std::remainder(RadarAngle(b) - RadarAngle(a), 2.0 * M_PI), kRadarStep, kRadarStep * 0.005) << a;
            const float scanStep = ComputeFrameValues(b, 1.0f).scanPosition - ComputeFrameValues(a, 1.0f).scanPosition;
            EXPECT_NEAR(std::remainder(scanStep, 1.0), kScanStep, kScanStep * 0.005) << a;
            EXPECT_GE(MotionTime(b), 0.0f);
            EXPECT_LT(MotionTime(b), 600.0f);
        }
}

}  // namespace
