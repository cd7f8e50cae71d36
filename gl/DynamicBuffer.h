// A vertex array with one buffer that is filled anew for every draw, its vertices laid
// out as its owner says: float attributes at fixed offsets in each vertex.
#pragma once

#include <cstdint>
#include <span>

// The draw mode, as GL numbers it, for callers that do not include GL themselves.
constexpr uint32_t kModeTriangles = 0x0004;  // GL_TRIANGLES

// `components` floats, `offset` bytes into each vertex, fed to attribute `location`.
struct VertexAttribute {
    uint32_t location;
    int32_t components;
    uint32_t offset;
};

struct VertexLayout {
    int32_t stride;  // bytes from one vertex to the next; 0: the attributes tightly packed
    std::span<const VertexAttribute> attributes;
};

class DynamicBuffer {
public:
    DynamicBuffer() = default;
    // Makes no GL call: the names are freed by Release, while the context is current.
    ~DynamicBuffer() = default;
    DynamicBuffer(const DynamicBuffer&) = delete;
    DynamicBuffer& operator=(const DynamicBuffer&) = delete;

    // Releases a buffer held from before, then makes the vertex array and a buffer of
    // `bytes` with the layout's attributes, each enabled. The names are not tested; both
    // the array and the array-buffer binding are back at 0 afterwards.
    void Create(const VertexLayout& layout, uint32_t bytes);
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
