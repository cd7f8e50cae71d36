// The HUD primitives and elements: build the vertex list, then upload and draw each
// primitive of it on its own through the line buffer.
#include <GL/glew.h>

#include "effect/HudVertices.h"
#include "effect/ZaqVigilomatronic.h"
#include "gl/DynamicBuffers.h"

namespace {

void DrawShape(uint32_t lineBuffer, const HudShape& shape) {
    for (int i = 0; i < shape.primitiveCount; ++i) {
        const HudPrimitive& primitive = shape.primitives[i];
        UploadAndDraw(lineBuffer, shape.VerticesOf(primitive),
                      static_cast<uint32_t>(primitive.count * sizeof(HudVertex)),
                      static_cast<uint32_t>(primitive.mode), primitive.count);
    }
}

}  // namespace

void ZaqVigilomatronic::DrawLine(float x1, float y1, float x2, float y2) {
    HudShape shape;
    AppendLine(shape, x1, y1, x2, y2);
    DrawShape(lineVertexBuffer, shape);
}

void ZaqVigilomatronic::DrawFilledRect(float x, float y, float width, float height) {
    HudShape shape;
    AppendFilledRect(shape, x, y, width, height);
    DrawShape(lineVertexBuffer, shape);
}

void ZaqVigilomatronic::DrawCircle(float cx, float cy, float radius, int segments) {
    HudShape shape;
    AppendCircle(shape, cx, cy, radius, segments);
    DrawShape(lineVertexBuffer, shape);
}

void ZaqVigilomatronic::DrawCrosshair(int style) {
    // Set for every style, so an unknown one still leaves the crosshair's width behind.
    glLineWidth(1.5f);
    HudShape shape;
    AppendCrosshair(shape, style);
    DrawShape(lineVertexBuffer, shape);
}

void ZaqVigilomatronic::DrawGrid(int style) {
    glLineWidth(1.0f);
    HudShape shape;
    AppendGrid(shape, style);
    DrawShape(lineVertexBuffer, shape);
}

// The frame sets the brackets' and the sweep's line widths before these two.
void ZaqVigilomatronic::DrawCornerBrackets() {
    HudShape shape;
    AppendCornerBrackets(shape);
    DrawShape(lineVertexBuffer, shape);
}

void ZaqVigilomatronic::DrawScanSweep(int mode, float scanPosition, int32_t frameCounter) {
    HudShape shape;
    AppendScanSweep(shape, mode, scanPosition, frameCounter);
    DrawShape(lineVertexBuffer, shape);
}
