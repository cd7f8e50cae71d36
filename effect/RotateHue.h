// Turns an RGB colour around the HSV hue circle by a shift in turns, in place.
#pragma once

void RotateHue(float& r, float& g, float& b, float shift);
