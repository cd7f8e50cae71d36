#include "effect/hud/RotateHue.h"

#include <algorithm>
#include <cmath>

void RotateHue(float& r, float& g, float& b, float shift) {
    // NaN fails this test too; an infinite shift would make h NaN below.
    if (!(shift >= 0.001f) || std::isinf(shift)) return;
    const float max = std::max(std::max(r, g), b);
    const float min = std::min(std::min(r, g), b);
    const float delta = max - min;
    const float s = max > 0.0f ? delta / max : 0.0f;

    float h = 0.0f;
    if (delta > 0.0001f) {
        if (max == r) {
            h = (g - b) / delta;
            if (b > g) h += 6.0f;
        } else if (max == g) {
            h = (b - r) / delta + 2.0f;
        } else {
            h = (r - g) / delta + 4.0f;
        }
        h /= 6.0f;
    }
    h = std::fmod(h + shift, 1.0f);

    const float h6 = h * 6.0f;
    if (!std::isfinite(h6)) return;  // a non-finite colour leaves nothing defined to convert
    const int i = static_cast<int>(h6);
    const float f = h6 - static_cast<float>(i);
    const int sector = i % 6;
    const float v = max;
    const float p = v * (1.0f - s);
    const float q = v * (1.0f - s * f);
    const float t = v * (1.0f - s * (1.0f - f));
    switch (sector) {
        case 0:
            r = v;
            g = t;
            b = p;
            break;
        case 1:
            r = q;
            g = v;
            b = p;
            break;
        case 2:
            r = p;
            g = v;
            b = t;
            break;
        case 3:
            r = p;
            g = q;
            b = v;
            break;
        case 4:
            r = t;
            g = p;
            b = v;
            break;
        case 5:
            r = v;
            g = p;
            b = q;
            break;
        default: break;  // only a negative shift reaches here
    }
}
