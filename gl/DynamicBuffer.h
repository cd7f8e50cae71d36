// A vertex array with one buffer that is filled anew for every draw. The effect has two:
// the line buffer (x, y per vertex, all HUD geometry) and the quad buffer (x, y, s, t per
// vertex, the overlay picture). Positions are in HUD space, 0..1 from the bottom left.
#pragma once

#include <cstdint>

constexpr uint32_t kLineBufferBytes = 4096;  // the least: one HudShape, 512 vertices of 8 bytes
constexpr uint32_t kQuadBufferBytes = 96;    // 6 vertices of 16 bytes

// The draw mode, as GL numbers it, for callers that do not include GL themselves.
constexpr uint32_t kModeTriangles = 0x0004;  // GL_TRIANGLES

enum class VertexLayout {
    Line,  // attribute 0: x, y, tightly packed
    Quad,  // attribute 0: x, y; attribute 1: s, t; 16 bytes a vertex
};

class DynamicBuffer {
public:
    DynamicBuffer() = default;
    // Makes no GL call: the names are freed by Release, while the context is current.
    ~DynamicBuffer() = default;
    DynamicBuffer(const DynamicBuffer&) = delete;
    DynamicBuffer& operator=(const DynamicBuffer&) = delete;

    // Releases a buffer held from before, then makes the vertex array and a buffer of
    // `bytes` with the layout's attributes. The names are not tested; both the array and
    // the array-buffer binding are back at 0 afterwards.
    void Create(VertexLayout layout, uint32_t bytes);
    // Deletes the array, then the buffer.
    void Release();

    // One primitive: uploads `bytes` from `vertices` to the start of the buffer and draws
    // `count` vertices from byte 0. The caller has bound the vertex array and a program,
    // and keeps `bytes` within the buffer's size. The array-buffer binding ends at 0.
    void UploadAndDraw(const void* vertices, uint32_t bytes, uint32_t mode, int32_t count) const;

    uint32_t VertexArray() const { return vertexArray; }
    uint32_t VertexBuffer() const { return vertexBuffer; }

private:
    uint32_t vertexArray = 0;
    uint32_t vertexBuffer = 0;
};
