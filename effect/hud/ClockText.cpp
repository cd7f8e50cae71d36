#include "effect/hud/ClockText.h"

#include <cstdio>

ClockText FormatClockText(const std::optional<ClockTime>& time, int32_t frameCounter) {
    ClockText clock{};
    const int frames = frameCounter % 60;
    if (time)
        std::snprintf(clock.text, sizeof clock.text, "%02d:%02d:%02d:%02d", time->hour, time->minute, time->second,
                      frames);
    else
        std::snprintf(clock.text, sizeof clock.text, "--:--:--:%02d", frames);
    return clock;
}
