// The processing shader's formulas on the CPU, in single precision, for the parts whose
// result does not depend on the GPU's sine (the noise terms are bounded instead).
#pragma once

#include <cmath>

#include "tests/support/Color.h"

namespace render_test {

inline Color Mix(Color a, Color b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

inline float Luma(Color c) { return c.r * 0.299f + c.g * 0.587f + c.b * 0.114f; }

inline Color ThermalMap(float t) {
    const Color stops[6] = {{0.0f, 0.0f, 0.08f}, {0.0f, 0.0f, 0.6f},  {0.7f, 0.0f, 0.7f},
                            {1.0f, 0.15f, 0.0f}, {1.0f, 0.75f, 0.0f}, {1.0f, 1.0f, 0.85f}};
    if (t < 0.15f) return Mix(stops[0], stops[1], t / 0.15f);
    if (t < 0.35f) return Mix(stops[1], stops[2], (t - 0.15f) / 0.2f);
    if (t < 0.55f) return Mix(stops[2], stops[3], (t - 0.35f) / 0.2f);
    if (t < 0.75f) return Mix(stops[3], stops[4], (t - 0.55f) / 0.2f);
    return Mix(stops[4], stops[5], (t - 0.75f) / 0.25f);
}

// Night vision before its grain, which adds (0.3 p, p, 0.3 p) with p in [0, 0.04).
inline Color NightVisionBase(Color c) {
    const float l = std::pow(Luma(c), 0.65f);
    return {l * 0.12f, l * 1.15f, l * 0.12f};
}

inline Color Negative(Color c) { return {1.0f - c.r, 1.0f - c.g, 1.0f - c.b}; }

// Interlace and vignette of a glitch amount g on a colour that the glitch cannot move
// (a uniform input), at window row `row` and quad coordinate (u, v).
inline Color GlitchShading(Color c, float g, float time, int row, float u, float v) {
    if (g > 0.1f) {
        const float strength = (g - 0.1f) * 0.5f;
        const float s = std::fmod(static_cast<float>(row) + 0.5f + time * 20.0f, 3.0f);
        const float darken = (s >= 1.5f ? 1.0f : 0.0f) * strength * 0.35f;
        c = {c.r * (1.0f - darken), c.g * (1.0f - darken), c.b * (1.0f - darken)};
    }
    if (g > 0.001f) {
        const float strength = g * 0.4f;
        const float cx = u * 2.0f - 1.0f, cy = v * 2.0f - 1.0f;
        const float factor = std::fmax(1.0f - (cx * cx + cy * cy) * strength * 0.85f, 0.0f);
        c = {c.r * factor, c.g * factor, c.b * factor};
    }
    return c;
}

inline Color ScanGlow(Color c, float v, float scanPosition, float intensity) {
    const float glow = std::exp(-std::fabs(v - scanPosition) * 40.0f) * intensity * 0.6f;
    return {c.r + glow * 0.15f, c.g + glow * 0.9f, c.b + glow * 0.25f};
}

}  // namespace render_test
