// How the effect reads option and boolean values: rounded at the point of use.
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
