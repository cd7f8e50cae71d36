#include "gl/DynamicBuffers.h"

#include <GL/glew.h>

#include "gl/ByteOffset.h"

namespace {

// Leaves the new array-buffer binding in place; the vertex array is unbound.
void AllocateDynamicBuffer(uint32_t& vertexArray, uint32_t& buffer, uint32_t bytes) {
    glGenVertexArrays(1, &vertexArray);
    glGenBuffers(1, &buffer);
    glBindVertexArray(vertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, bytes, nullptr, GL_DYNAMIC_DRAW);
}

}  // namespace

void CreateLineBuffer(uint32_t& vertexArray, uint32_t& buffer, uint32_t bytes) {
    AllocateDynamicBuffer(vertexArray, buffer, bytes);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 0, ByteOffset(0));
    glBindVertexArray(0);
}

void CreateQuadBuffer(uint32_t& vertexArray, uint32_t& buffer) {
    AllocateDynamicBuffer(vertexArray, buffer, kQuadBufferBytes);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 16, ByteOffset(0));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, 16, ByteOffset(8));
    glBindVertexArray(0);
}

void ReleaseDynamicBuffer(uint32_t& vertexArray, uint32_t& buffer) {
    if (vertexArray != 0) {
        glDeleteVertexArrays(1, &vertexArray);
        vertexArray = 0;
    }
    if (buffer != 0) {
        glDeleteBuffers(1, &buffer);
        buffer = 0;
    }
}

void UploadAndDraw(uint32_t buffer, const void* vertices, uint32_t bytes, uint32_t mode, int32_t count) {
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferSubData(GL_ARRAY_BUFFER, 0, bytes, vertices);
    glDrawArrays(mode, 0, count);
}
