// How much of a frame's HUD the line buffer holds at once: every line of the largest HUD
// (brackets, radial grid, radar and tactical crosshair come to 550 vertices) and every
// triangle of the centre dot, the recording square and the info block's texts, one
// rectangle per glyph run. Where lines wider than a pixel are drawn as triangles, every
// line vertex may become three triangle vertices.
#pragma once

#include <cstdint>

constexpr int kHudLineVertexCapacity = 1024;
int HudTriangleVertexCapacity(bool wideLinesAsTriangles = false);
uint32_t HudLineBufferBytes(bool wideLinesAsTriangles = false);
