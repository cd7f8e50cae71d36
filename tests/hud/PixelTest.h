// Reading a rendered picture back in HUD terms: pixels addressed from the bottom left,
// boxes given in HUD space (0..1 both ways).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <vector>

struct Rgba {
    uint8_t r, g, b, a;
};

class PixelTest : public ::testing::Test {
protected:
    // Width and height of the target; a subclass may pick another size before SetUp.
    int width = 200;
    int height = 200;
    // Rows bottom-up, 4 bytes per pixel, as the target reads back.
    std::vector<uint8_t> pixels;

    Rgba At(int x, int y) const {
        const size_t i = (static_cast<size_t>(y) * width + x) * 4;
        return {pixels[i], pixels[i + 1], pixels[i + 2], pixels[i + 3]};
    }

    // Drawn on: any colour over the black the target was cleared to.
    bool Lit(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) return false;
        const Rgba p = At(x, y);
        return p.r || p.g || p.b;
    }

    // Whether anything is lit within one pixel of the HUD point (hx, hy).
    bool LitNear(float hx, float hy) const {
        const int cx = static_cast<int>(hx * width), cy = static_cast<int>(hy * height);
        for (int y = cy - 1; y <= cy + 1; ++y)
            for (int x = cx - 1; x <= cx + 1; ++x)
                if (Lit(x, y)) return true;
        return false;
    }

    // Lit pixels in the HUD box [x0, x1] x [y0, y1].
    int LitIn(float x0, float y0, float x1, float y1) const {
        int lit = 0;
        for (int y = static_cast<int>(y0 * height); y <= static_cast<int>(y1 * height) && y < height; ++y)
            for (int x = static_cast<int>(x0 * width); x <= static_cast<int>(x1 * width) && x < width; ++x)
                lit += Lit(x, y) ? 1 : 0;
        return lit;
    }

    int LitCount() const { return LitIn(0.0f, 0.0f, 1.0f, 1.0f); }

    // The colour most lit pixels of a HUD box share; black when none is lit.
    Rgba CommonColor(float x0, float y0, float x1, float y1) const {
        std::map<uint32_t, int> counts;
        for (int y = static_cast<int>(y0 * height); y <= static_cast<int>(y1 * height) && y < height; ++y)
            for (int x = static_cast<int>(x0 * width); x <= static_cast<int>(x1 * width) && x < width; ++x)
                if (Lit(x, y)) {
                    const Rgba p = At(x, y);
                    ++counts[(p.r << 16) | (p.g << 8) | p.b];
                }
        uint32_t best = 0;
        int most = 0;
        for (const auto& [color, count] : counts)
            if (count > most) best = color, most = count;
        return {uint8_t(best >> 16), uint8_t(best >> 8), uint8_t(best), 255};
    }
};
