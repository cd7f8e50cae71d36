// The two dynamic vertex buffers of the effect, filled anew for every draw: the line
// buffer (x, y per vertex, all HUD geometry) and the quad buffer (x, y, s, t per vertex,
// the overlay picture). Positions are in HUD space, 0..1 from the bottom left.
#pragma once

#include <cstdint>

constexpr uint32_t kLineBufferBytes = 4096;  // the least: one HudShape, 512 vertices of 8 bytes
constexpr uint32_t kQuadBufferBytes = 96;    // 6 vertices of 16 bytes

// The draw mode, as GL numbers it, for callers that do not include GL themselves.
constexpr uint32_t kModeTriangles = 0x0004;  // GL_TRIANGLES

// Each creates a vertex array and a buffer of its size with its attribute layout. The
// names are not tested; the array binding is reset to 0, the array-buffer binding stays.
// The line buffer may be made larger than its least size, for callers that batch.
void CreateLineBuffer(uint32_t& vertexArray, uint32_t& buffer, uint32_t bytes = kLineBufferBytes);
void CreateQuadBuffer(uint32_t& vertexArray, uint32_t& buffer);

// Deletes the array, then the buffer, each only when non-zero, and zeroes each name.
void ReleaseDynamicBuffer(uint32_t& vertexArray, uint32_t& buffer);

// One primitive: upload `bytes` from `vertices` to the start of `buffer` and draw `count`
// vertices from byte 0. The caller has bound the buffer's vertex array and a program,
// and keeps `bytes` within the buffer's size.
void UploadAndDraw(uint32_t buffer, const void* vertices, uint32_t bytes, uint32_t mode, int32_t count);
