// Where the overlay picture lands: centred, its longer side 0.16 of the output's width
// (wide picture) or height (tall or square), in HUD space from the bottom left.
#pragma once

#include <array>
#include <cstdint>

#include "gl/DynamicBuffer.h"

constexpr float kOverlaySize = 0.16f;

// Six vertices of (x, y, u, v), two triangles; v = 0 at the bottom edge, so pictures
// uploaded bottom row first stand upright.
std::array<float, 24> OverlayQuadVertices(int32_t pictureWidth, int32_t pictureHeight);

// The quad buffer holds those vertices: (x, y) to the program's vPosition (attribute 0),
// (u, v) to its vTexCoord (attribute 1), 16 bytes a vertex.
constexpr VertexAttribute kOverlayQuadAttributes[] = {{0, 2, 0}, {1, 2, 8}};
constexpr VertexLayout kOverlayQuadLayout{16, kOverlayQuadAttributes};
constexpr uint32_t kQuadBufferBytes = sizeof(float) * 24;
