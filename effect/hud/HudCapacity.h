// How much of a frame's HUD the line buffer holds at once: every line of the largest HUD
// (brackets, radial grid, radar and tactical crosshair come to 550 vertices) and every
// triangle of the centre dot, the recording square and the info block's texts, one
// rectangle per glyph run.
#pragma once

#include <cstdint>

constexpr int kHudLineVertexCapacity = 1024;
int HudTriangleVertexCapacity();
uint32_t HudLineBufferBytes();
