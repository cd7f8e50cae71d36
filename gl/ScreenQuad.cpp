#include "gl/ScreenQuad.h"

#include <GL/glew.h>

#include "gl/ByteOffset.h"
#include "gl/ReleaseName.h"
#include "gl/Scoped.h"

namespace {

// u, v, x, y, z per vertex; texture coordinate first. v grows upwards with y.
constexpr float kQuadVertices[6][5] = {
    {0, 1, -1, 1, 0}, {1, 1, 1, 1, 0}, {0, 0, -1, -1, 0}, {0, 0, -1, -1, 0}, {1, 1, 1, 1, 0}, {1, 0, 1, -1, 0},
};
constexpr GLsizei kStride = 5 * sizeof(float);

}  // namespace

bool ScreenQuad::Create() {
    Release();
    glGenVertexArrays(1, &vertexArray);
    glGenBuffers(1, &vertexBuffer);
    if (vertexArray == 0 || vertexBuffer == 0) {
        Release();
        return false;
    }
    ScopedVertexArrayBinding arrayScope(vertexArray);
    ffglex::ScopedVBOBinding bufferScope(vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, sizeof kQuadVertices, kQuadVertices, GL_STATIC_DRAW);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, kStride, ByteOffset(2 * sizeof(float)));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, kStride, ByteOffset(0));
    return true;
}

void ScreenQuad::Draw() const {
    if (vertexArray == 0 || vertexBuffer == 0) return;
    ScopedVertexArrayBinding arrayScope(vertexArray);
    glDrawArrays(GL_TRIANGLES, 0, 6);
}

void ScreenQuad::Release() {
    ReleaseBuffer(vertexBuffer);
    ReleaseVertexArray(vertexArray);
}
