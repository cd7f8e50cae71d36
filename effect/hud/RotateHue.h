// Turns an RGB colour around the HSV hue circle by a shift in turns, in place.
#pragma once

#include "effect/hud/HudColor.h"

void RotateHue(float& r, float& g, float& b, float shift);

inline HudColor RotateHue(HudColor color, float shift) {
    RotateHue(color.r, color.g, color.b, shift);
    return color;
}
