// How the line buffer holds HudVertex: x and y to the line program's vPosition
// (attribute 0), tightly packed.
#pragma once

#include <cstdint>

#include "effect/hud/HudGeometry.h"
#include "gl/DynamicBuffer.h"

constexpr VertexAttribute kHudVertexAttributes[] = {{0, 2, 0}};
constexpr VertexLayout kHudVertexLayout{0, kHudVertexAttributes};
static_assert(sizeof(HudVertex) == 2 * sizeof(float));

// The least line buffer: one HudShape.
constexpr uint32_t kLineBufferBytes = HudShape::kMaxVertices * sizeof(HudVertex);
