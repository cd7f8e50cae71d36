// GIF pacing: every processed frame counts as one sixtieth of a second, whatever the
// host's real frame rate, so playback follows the frame count, not a clock.
#pragma once

#include <cstdint>
#include <span>

constexpr float kOverlayFrameStepMs = 16.666668f;
constexpr int32_t kFallbackFrameDelayMs = 100;

// The time a frame is shown: delays of 0 or less mean the fallback.
int32_t DisplayDelay(int32_t storedDelay);

struct OverlayPlayhead {
    int32_t frameIndex = 0;
    float frameTime = 0.0f;  // milliseconds accumulated towards the next frame
};

// One processed frame: adds one step, then passes over as many frames as the time covers,
// wrapping after the last. Fewer than two frames never move.
OverlayPlayhead StepOverlayAnimation(std::span<const int32_t> delays, OverlayPlayhead playhead);
