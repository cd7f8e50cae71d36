#include "overlay/OverlayAnimation.h"

int32_t DisplayDelay(int32_t storedDelay) { return storedDelay > 0 ? storedDelay : kFallbackFrameDelayMs; }

OverlayPlayhead StepOverlayAnimation(std::span<const int32_t> delays, OverlayPlayhead playhead) {
    const size_t count = delays.size();
    if (count < 2) return playhead;
    if (playhead.frameIndex < 0 || static_cast<size_t>(playhead.frameIndex) >= count) playhead.frameIndex = 0;
    playhead.frameTime += kOverlayFrameStepMs;
    // Every delay is at least 1 ms, so the loop ends.
    float delay = static_cast<float>(DisplayDelay(delays[playhead.frameIndex]));
    while (playhead.frameTime >= delay) {
        playhead.frameTime -= delay;
        playhead.frameIndex = static_cast<int32_t>((static_cast<size_t>(playhead.frameIndex) + 1) % count);
        delay = static_cast<float>(DisplayDelay(delays[playhead.frameIndex]));
    }
    return playhead;
}
