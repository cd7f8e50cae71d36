// Float values no sensible host sends, which some do: a host's own arithmetic, a
// controller's glitch or an automation curve out of range produces them.
#pragma once

#include <cmath>
#include <limits>
#include <string>

struct HostileValue {
    float value;
    const char* shown;
};

inline const HostileValue kHostileValues[] = {
    {std::numeric_limits<float>::quiet_NaN(), "nan"},
    {std::numeric_limits<float>::infinity(), "+inf"},
    {-std::numeric_limits<float>::infinity(), "-inf"},
    {std::numeric_limits<float>::denorm_min(), "denormal 1.4e-45"},
    {-1.0e-40f, "denormal -1e-40"},
    {1.0e30f, "1e30"},
    {-1.0e30f, "-1e30"},
    {-0.0f, "-0"},
};
