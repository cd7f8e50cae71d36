// How the effect reads its stored values at the point of use: options rounded, booleans
// tested, standard values held within their range. The stored values stay as sent.
#pragma once

#include <climits>
#include <cmath>

// (int)(value + 0.5), truncating toward zero, for every ordinary value; NaN counts as 0
// ("Off") and values beyond the int range clamp, where the bare cast would be undefined.
inline int RoundOption(float value) {
    const double shifted = static_cast<double>(value) + 0.5;
    if (std::isnan(shifted)) return 0;
    if (shifted >= 2147483648.0) return INT_MAX;
    if (shifted <= -2147483649.0) return INT_MIN;
    return static_cast<int>(shifted);
}

// A boolean parameter is on at 0.5 or more; NaN is off.
inline bool IsOn(float value) { return value >= 0.5f; }

// A standard parameter (0..1) as the frame uses it: clamped into its range, NaN as 0, so
// that no infinity or NaN reaches a shader and from there a host's float framebuffer.
inline float UnitLevel(float value) {
    if (!(value > 0.0f)) return 0.0f;
    return value < 1.0f ? value : 1.0f;
}
