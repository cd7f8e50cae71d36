#include "effect/MotionClock.h"

#include <cmath>

namespace {

constexpr double kTurn = 6.283185307179586;

}  // namespace

float MotionTime(int32_t frameCounter) {
    const uint32_t frame = static_cast<uint32_t>(frameCounter) % kMotionPeriodFrames;
    return static_cast<float>(frame) / 60.0f;
}

float TurningAngle(int32_t frameCounter, float speed) {
    const uint32_t frame = static_cast<uint32_t>(frameCounter);
    if (frame < kMotionPeriodFrames) return static_cast<float>(frame) / 60.0f * speed;
    const double step = static_cast<double>(speed) / 60.0;
    return static_cast<float>(std::fmod(static_cast<double>(frame) * step, kTurn));
}
