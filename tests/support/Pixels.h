// Pictures in the tests: the plain pictures uploaded as inputs, and the pictures read back
// from a target, addressed by pixel or in HUD space (0..1 both ways from the bottom left).
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <vector>

#include "tests/support/Color.h"

// width x height pixels of one colour, 4 bytes each.
inline std::vector<uint8_t> SolidPixels(int width, int height, Rgba color) {
    std::vector<uint8_t> picture(static_cast<size_t>(width) * height * 4);
    for (size_t i = 0; i < picture.size(); i += 4) {
        picture[i] = color.r;
        picture[i + 1] = color.g;
        picture[i + 2] = color.b;
        picture[i + 3] = color.a;
    }
    return picture;
}

// Rows bottom-up as GL returns them, 4 bytes a pixel.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bytes;

    const uint8_t* At(int x, int y) const { return &bytes[(static_cast<size_t>(y) * width + x) * 4]; }
    Rgba PixelAt(int x, int y) const {
        const uint8_t* p = At(x, y);
        return {p[0], p[1], p[2], p[3]};
    }
    Color ColorAt(int x, int y) const {
        const uint8_t* p = At(x, y);
        return {p[0] / 255.0f, p[1] / 255.0f, p[2] / 255.0f};
    }

    // Drawn on: any colour over the black the target was cleared to.
    bool Lit(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) return false;
        const uint8_t* p = At(x, y);
        return p[0] || p[1] || p[2];
    }

    // Whether anything is lit within one pixel of the HUD point (hx, hy).
    bool LitNear(float hx, float hy) const {
        const int cx = static_cast<int>(hx * width), cy = static_cast<int>(hy * height);
        for (int y = cy - 1; y <= cy + 1; ++y)
            for (int x = cx - 1; x <= cx + 1; ++x)
                if (Lit(x, y)) return true;
        return false;
    }

    // Calls visit(x, y) for each pixel of the HUD box [x0, x1] x [y0, y1].
    template <typename Visit>
    void ForEachIn(float x0, float y0, float x1, float y1, Visit&& visit) const {
        for (int y = static_cast<int>(y0 * height); y <= static_cast<int>(y1 * height) && y < height; ++y)
            for (int x = static_cast<int>(x0 * width); x <= static_cast<int>(x1 * width) && x < width; ++x) visit(x, y);
    }

    int LitIn(float x0, float y0, float x1, float y1) const {
        int lit = 0;
        ForEachIn(x0, y0, x1, y1, [&](int x, int y) { lit += Lit(x, y) ? 1 : 0; });
        return lit;
    }

    int LitCount() const { return LitIn(0.0f, 0.0f, 1.0f, 1.0f); }

    // The colour most lit pixels of a HUD box share; black when none is lit.
    Rgba CommonColor(float x0, float y0, float x1, float y1) const {
        std::map<uint32_t, int> counts;
        ForEachIn(x0, y0, x1, y1, [&](int x, int y) {
            if (!Lit(x, y)) return;
            const Rgba p = PixelAt(x, y);
            ++counts[(p.r << 16) | (p.g << 8) | p.b];
        });
        uint32_t best = 0;
        int most = 0;
        for (const auto& [color, count] : counts)
            if (count > most) best = color, most = count;
        return {uint8_t(best >> 16), uint8_t(best >> 8), uint8_t(best), 255};
    }
};

// One 8-bit quantisation step either way plus a little driver rounding.
constexpr float kByteTolerance = 2.0f / 255.0f;

// Asserts that an 8-bit pixel matches a colour within `tolerance` per channel (in 0..1
// units), after the clamping of the 8-bit target.
inline ::testing::AssertionResult PixelNear(const Pixels& pixels, int x, int y, Color expected, float tolerance) {
    const Color got = pixels.ColorAt(x, y);
    const float want[3] = {expected.r, expected.g, expected.b};
    const float have[3] = {got.r, got.g, got.b};
    for (int c = 0; c < 3; ++c) {
        const float clamped = std::fmin(std::fmax(want[c], 0.0f), 1.0f);
        if (std::fabs(have[c] - clamped) > tolerance)
            return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") channel " << c << ": got "
                                                 << have[c] << ", want " << clamped << " +- " << tolerance;
    }
    return ::testing::AssertionSuccess();
}
