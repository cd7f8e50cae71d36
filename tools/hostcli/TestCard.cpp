#include "tools/hostcli/TestCard.h"

#include <algorithm>
#include <cmath>

namespace {

struct Rgb {
    uint8_t r, g, b;
};

// White, yellow, cyan, green, magenta, red, blue, black: falling brightness.
constexpr Rgb kBars[] = {{255, 255, 255}, {255, 255, 0}, {0, 255, 255}, {0, 255, 0},
                         {255, 0, 255},   {255, 0, 0},   {0, 0, 255},   {0, 0, 0}};
constexpr int kBarCount = sizeof kBars / sizeof kBars[0];
constexpr int kGreySteps = 11;

uint8_t Level(float fraction) {
    return static_cast<uint8_t>(std::lround(std::fmin(std::fmax(fraction, 0.0f), 1.0f) * 255.0f));
}

Rgb Hue(float turn) {
    const float h = turn * 6.0f;
    const float r = std::fabs(h - 3.0f) - 1.0f;
    const float g = 2.0f - std::fabs(h - 2.0f);
    const float b = 2.0f - std::fabs(h - 4.0f);
    return {Level(r), Level(g), Level(b)};
}

Rgb Background(int x, int y, int width, int height) {
    const float across = width > 1 ? static_cast<float>(x) / (width - 1) : 0.0f;
    const float down = static_cast<float>(y) / height;
    if (down < 0.55f) return kBars[x * kBarCount / width];
    if (down < 0.70f) return Hue(across);
    if (down < 0.85f) {
        const int ramp = static_cast<int>((down - 0.70f) / 0.05f);
        const uint8_t level = Level(across);
        return ramp == 0 ? Rgb{level, 0, 0} : ramp == 1 ? Rgb{0, level, 0} : Rgb{0, 0, level};
    }
    if (down < 0.925f) return {Level(across), Level(across), Level(across)};
    const int stepIndex = x * kGreySteps / width;  // whole steps
    const uint8_t step = Level(static_cast<float>(stepIndex) / (kGreySteps - 1));
    return {step, step, step};
}

// Edges: an outer white line, an inner black line, and a circle in the middle.
bool OnEdgeMark(int x, int y, int width, int height, Rgb* colour) {
    const int fromEdge = std::min(std::min(x, y), std::min(width - 1 - x, height - 1 - y));
    if (fromEdge <= 1) {
        *colour = fromEdge == 0 ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
        return true;
    }
    const float dx = x + 0.5f - width * 0.5f;
    const float dy = y + 0.5f - height * 0.5f;
    const float radius = std::min(width, height) * 0.35f;
    if (std::fabs(std::sqrt(dx * dx + dy * dy) - radius) < 1.5f) {
        *colour = {255, 255, 255};
        return true;
    }
    return false;
}

}  // namespace

Picture MakeTestCard(int width, int height) {
    Picture card{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height * 4)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Rgb colour{};
            if (!OnEdgeMark(x, y, width, height, &colour)) colour = Background(x, y, width, height);
            uint8_t* pixel = card.rgba.data() + (static_cast<size_t>(y) * width + x) * 4;
            pixel[0] = colour.r;
            pixel[1] = colour.g;
            pixel[2] = colour.b;
            pixel[3] = 255;
        }
    }
    return card;
}
