// The info block's clock line: local hour, minute and second, then the frame count
// modulo 60 (the last pair counts frames, not hundredths).
#pragma once

#include <cstdint>
#include <optional>

struct ClockTime {
    int hour;    // 0..23
    int minute;  // 0..59
    int second;  // 0..60
};

struct ClockText {
    char text[64];
};

// "HH:MM:SS:FF"; without a local time the time part reads "--:--:--" and the frames stay.
ClockText FormatClockText(const std::optional<ClockTime>& time, int32_t frameCounter);
