// Where the overlay picture lands: centred, its longer side 0.16 of the output's width
// (wide picture) or height (tall or square), in HUD space from the bottom left.
#pragma once

#include <array>
#include <cstdint>

constexpr float kOverlaySize = 0.16f;

// Six vertices of (x, y, u, v), two triangles; v = 0 at the bottom edge, so pictures
// uploaded bottom row first stand upright.
std::array<float, 24> OverlayQuadVertices(int32_t pictureWidth, int32_t pictureHeight);
