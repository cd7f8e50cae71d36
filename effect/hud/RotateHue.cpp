#include "effect/hud/RotateHue.h"

#include <algorithm>
#include <cmath>

namespace {

struct Channels {
    float r, g, b;
};

// The hue in [0, 1] of a colour whose largest channel is `max`; greys, and a NaN spread, have hue 0.
float HueOf(const Channels& c, float max, float delta) {
    if (!(delta > 0.0001f)) return 0.0f;
    float h = 0.0f;
    if (max == c.r) {
        h = (c.g - c.b) / delta;
        if (c.b > c.g) h += 6.0f;
    } else if (max == c.g) {
        h = (c.b - c.r) / delta + 2.0f;
    } else {
        h = (c.r - c.g) / delta + 4.0f;
    }
    return h / 6.0f;
}

// Value v and saturation s back to RGB at fraction f into one of the six hue sectors;
// a sector outside them keeps `unchanged`.
Channels FromSector(int sector, float f, float v, float s, const Channels& unchanged) {
    const float p = v * (1.0f - s);
    const float q = v * (1.0f - s * f);
    const float t = v * (1.0f - s * (1.0f - f));
    switch (sector) {
        case 0: return {v, t, p};
        case 1: return {q, v, p};
        case 2: return {p, v, t};
        case 3: return {p, q, v};
        case 4: return {t, p, v};
        case 5: return {v, p, q};
        default: return unchanged;  // only a negative shift reaches here
    }
}

}  // namespace

void RotateHue(float& r, float& g, float& b, float shift) {
    // NaN fails this test too; an infinite shift would make h NaN below.
    if (!(shift >= 0.001f) || std::isinf(shift)) return;
    const Channels in{r, g, b};
    const float max = std::max(std::max(r, g), b);
    const float min = std::min(std::min(r, g), b);
    const float delta = max - min;
    const float s = max > 0.0f ? delta / max : 0.0f;

    const float h = std::fmod(HueOf(in, max, delta) + shift, 1.0f);
    const float h6 = h * 6.0f;
    if (!std::isfinite(h6)) return;  // a non-finite colour leaves nothing defined to convert
    const int i = static_cast<int>(h6);
    const Channels out = FromSector(i % 6, h6 - static_cast<float>(i), max, s, in);
    r = out.r;
    g = out.g;
    b = out.b;
}
