#include "gl/DynamicBuffer.h"

#include <GL/glew.h>

#include "gl/ByteOffset.h"
#include "gl/ReleaseName.h"
#include "gl/Scoped.h"

void DynamicBuffer::Create(const VertexLayout& layout, uint32_t bytes) {
    Release();
    glGenVertexArrays(1, &vertexArray);
    glGenBuffers(1, &vertexBuffer);
    glBindVertexArray(vertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, bytes, nullptr, GL_DYNAMIC_DRAW);
    for (const VertexAttribute& attribute : layout.attributes) {
        glEnableVertexAttribArray(attribute.location);
        glVertexAttribPointer(attribute.location, attribute.components, GL_FLOAT, GL_FALSE, layout.stride,
                              ByteOffset(attribute.offset));
    }
    glBindVertexArray(0);
    // A host that uploads to the array-buffer binding without binding its own buffer
    // first would write into ours.
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void DynamicBuffer::Release() {
    ReleaseVertexArray(vertexArray);
    ReleaseBuffer(vertexBuffer);
}

void DynamicBuffer::UploadAndDraw(const void* vertices, uint32_t bytes, uint32_t mode, int32_t count) const {
    {
        ffglex::ScopedVBOBinding binding(vertexBuffer);
        glBufferSubData(GL_ARRAY_BUFFER, 0, bytes, vertices);
    }
    glDrawArrays(mode, 0, count);
}
