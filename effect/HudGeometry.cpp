// The HUD primitives and elements: build the vertex list, then hand each primitive of it
// to the HUD batch, which records it during a frame and draws it at once otherwise.
#include "effect/HudVertices.h"
#include "effect/ZaqVigilomatronic.h"

namespace {

void DrawShape(HudBatch& batch, const HudShape& shape) {
    for (int i = 0; i < shape.primitiveCount; ++i) {
        const HudPrimitive& primitive = shape.primitives[i];
        batch.Add(primitive.mode, shape.VerticesOf(primitive), primitive.count);
    }
}

}  // namespace

void ZaqVigilomatronic::DrawLine(float x1, float y1, float x2, float y2) {
    const HudVertex line[2] = {{x1, y1}, {x2, y2}};
    hudBatch.Add(HudMode::Lines, line, 2);
}

void ZaqVigilomatronic::DrawFilledRect(float x, float y, float width, float height) {
    hudBatch.AddRect({x, y, x + width, y + height});
}

void ZaqVigilomatronic::DrawCircle(float cx, float cy, float radius, int segments) {
    HudShape shape;
    AppendCircle(shape, cx, cy, radius, segments);
    DrawShape(hudBatch, shape);
}

void ZaqVigilomatronic::DrawCrosshair(int style) {
    // Set for every style, so an unknown one still leaves the crosshair's width behind.
    hudBatch.SetLineWidth(1.5f);
    HudShape shape;
    AppendCrosshair(shape, style);
    DrawShape(hudBatch, shape);
}

void ZaqVigilomatronic::DrawGrid(int style) {
    hudBatch.SetLineWidth(1.0f);
    HudShape shape;
    AppendGrid(shape, style);
    DrawShape(hudBatch, shape);
}

// The frame sets the brackets' and the sweep's line widths before these two.
void ZaqVigilomatronic::DrawCornerBrackets() {
    HudShape shape;
    AppendCornerBrackets(shape);
    DrawShape(hudBatch, shape);
}

void ZaqVigilomatronic::DrawScanSweep(int mode, float scanPosition, int32_t frameCounter) {
    HudShape shape;
    AppendScanSweep(shape, mode, scanPosition, frameCounter);
    DrawShape(hudBatch, shape);
}
