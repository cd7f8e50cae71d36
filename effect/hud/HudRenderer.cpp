#include "effect/hud/HudRenderer.h"

#include <GL/glew.h>

#include <algorithm>
#include <cstring>

#include "effect/font/GlyphCells.h"
#include "effect/font/GlyphRuns.h"
#include "effect/hud/GlyphEdges.h"
#include "effect/hud/HudCapacity.h"
#include "effect/hud/HudVertexLayout.h"
#include "gl/ContextLimits.h"
#include "host/Log.h"

namespace {

bool AnyOnFrameEdge(const HudVertex* vertices, int count) {
    for (int i = 0; i + 1 < count; i += 2)
        if (LiesOnFrameEdge(vertices[i], vertices[i + 1])) return true;
    return false;
}

}  // namespace

bool HudRenderer::Create(const ShaderSource& line) {
    // The line program's message names the overlay: hosts and users know it by that text.
    if (!lineShader.Compile(line)) {
        LogMessage("Failed to compile overlay shader");
        return false;
    }
    hudColorLocation = lineShader.UniformLocation("Color");
    wideLines = ContextDrawsWideLines();
    lineBuffer.Create(kHudVertexLayout, HudLineBufferBytes(!wideLines));
    batch.Allocate(kHudLineVertexCapacity, HudTriangleVertexCapacity(!wideLines));
    open = false;
    return true;
}

void HudRenderer::Release() {
    lineShader.Release();
    hudColorLocation = -1;
    lineBuffer.Release();
    batch.Release();
    open = false;
}

// A frame begins at the line width the one before it left behind: 1.
void HudRenderer::Open() {
    open = true;
    lineWidth = 1.0f;
    viewportRead = false;
}

void HudRenderer::Close() {
    Flush();
    open = false;
    viewportRead = false;
}

void HudRenderer::SetColor(const HudColor& c, float alpha) {
    // A full list goes out first; an empty one always takes the change.
    if (!batch.AddColor(hudColorLocation, c.r, c.g, c.b, alpha)) {
        Flush();
        batch.AddColor(hudColorLocation, c.r, c.g, c.b, alpha);
    }
    FlushOutsideFrame();
}

void HudRenderer::SetLineWidth(float width) {
    lineWidth = width;
    // Where GL draws no line wider than a pixel, such lines become triangles instead, and
    // GL never hears of their width.
    if (!wideLines && width > 1.0f) return;
    if (!batch.AddLineWidth(width)) {
        Flush();
        batch.AddLineWidth(width);
    }
    FlushOutsideFrame();
}

const ViewportSize& HudRenderer::PixelSize() {
    if (!viewportRead) viewport = CurrentViewportSize();
    viewportRead = open;  // within a frame the viewport holds still
    return viewport;
}

void HudRenderer::Add(HudMode mode, const HudVertex* vertices, int count) {
    if (mode != HudMode::Lines) return AddAsGiven(mode, vertices, count);
    HudVertex moved[HudShape::kMaxVertices];
    if (count <= HudShape::kMaxVertices && AnyOnFrameEdge(vertices, count)) {
        const ViewportSize& size = PixelSize();
        std::copy(vertices, vertices + count, moved);
        for (int i = 0; i + 1 < count; i += 2) MoveOntoEdgePixels(moved[i], moved[i + 1], size.width, size.height);
        vertices = moved;
    }
    if (!wideLines && lineWidth > 1.0f) return AddWideLines(vertices, count);
    AddAsGiven(mode, vertices, count);
}

void HudRenderer::AddAsGiven(HudMode mode, const HudVertex* vertices, int count) {
    HudVertex* room = batch.Reserve(mode, count);
    if (!room) {
        // Full: what is recorded goes out first, so the order of drawing holds.
        Flush();
        room = batch.Reserve(mode, count);
    }
    // A primitive larger than the whole list is dropped whole, never drawn in part.
    if (room) std::memcpy(room, vertices, sizeof(HudVertex) * static_cast<size_t>(count));
    FlushOutsideFrame();
}

void HudRenderer::AddWideLines(const HudVertex* vertices, int count) {
    const ViewportSize& size = PixelSize();
    for (int i = 0; i + 1 < count; i += 2) {
        HudVertex quad[6];
        WriteWideLineVertices(quad, vertices[i], vertices[i + 1], lineWidth, size.width, size.height);
        AddAsGiven(HudMode::Triangles, quad, 6);
    }
}

void HudRenderer::AddRect(const HudEdges& edges) {
    HudVertex rect[6];
    WriteRectVertices(rect, edges);
    Add(HudMode::Triangles, rect, 6);
}

void HudRenderer::AddShape(const HudShape& shape) {
    for (int i = 0; i < shape.primitiveCount; ++i) {
        const HudPrimitive& primitive = shape.primitives[i];
        Add(primitive.mode, shape.VerticesOf(primitive), primitive.count);
    }
}

void HudRenderer::Flush() {
    if (batch.Empty()) return;
    if (const int span = batch.UsedSpan(); span > 0) {
        ffglex::ScopedVBOBinding binding(lineBuffer.VertexBuffer());
        glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(span * sizeof(HudVertex)), batch.Vertices());
    }
    for (int i = 0; i < batch.CommandCount(); ++i) {
        const HudCommand& c = batch.Commands()[i];
        switch (c.kind) {
            case HudCommand::Kind::Color:
                glUniform4f(c.location, c.values[0], c.values[1], c.values[2], c.values[3]);
                break;
            case HudCommand::Kind::LineWidth: glLineWidth(c.values[0]); break;
            case HudCommand::Kind::Draw: glDrawArrays(static_cast<GLenum>(c.mode), c.first, c.count); break;
        }
    }
    batch.Clear();
}

void HudRenderer::DrawLine(float x1, float y1, float x2, float y2) {
    const HudVertex line[2] = {{x1, y1}, {x2, y2}};
    Add(HudMode::Lines, line, 2);
}

void HudRenderer::DrawFilledRect(float x, float y, float width, float height) {
    AddRect({x, y, x + width, y + height});
}

void HudRenderer::DrawCircle(float cx, float cy, float radius, int segments) {
    HudShape shape;
    AppendCircle(shape, cx, cy, radius, segments);
    AddShape(shape);
}

void HudRenderer::DrawCrosshair(int style) {
    // Set for every style, so an unknown one still leaves the crosshair's width behind.
    SetLineWidth(1.5f);
    HudShape shape;
    AppendCrosshair(shape, style);
    AddShape(shape);
}

void HudRenderer::DrawGrid(int style) {
    SetLineWidth(1.0f);
    HudShape shape;
    AppendGrid(shape, style);
    AddShape(shape);
}

// The frame sets the brackets' and the sweep's line widths before these two.
void HudRenderer::DrawCornerBrackets() {
    HudShape shape;
    AppendCornerBrackets(shape);
    AddShape(shape);
}

void HudRenderer::DrawScanSweep(int mode, float scanPosition, int32_t frameCounter) {
    HudShape shape;
    AppendScanSweep(shape, mode, scanPosition, frameCounter);
    AddShape(shape);
}

// Each run of lit cells is one rectangle over the same pixels as its cells.
void HudRenderer::DrawGlyph(unsigned char code, float x, float y, float size) {
    const GlyphBox box(x, y, size);
    const GlyphRuns& runs = BuiltInGlyphRuns(GlyphIndex(code));
    for (int i = 0; i < runs.count; ++i) AddRect(RunEdges(box, runs.runs[i]));
}

void HudRenderer::DrawText(const char* text, float x, float y, float size) {
    if (!text) return;
    for (int i = 0; text[i] != '\0'; ++i)
        DrawGlyph(static_cast<unsigned char>(text[i]), CharacterX(x, i, size), y, size);
}

HudFrameScope::HudFrameScope(HudRenderer& renderer)
    : hud(renderer), program(renderer.lineShader.ProgramHandle()), array(renderer.lineBuffer.VertexArray()) {
    hud.Open();
}

// The members end after the body, in reverse order: vertex array 0, then no program.
HudFrameScope::~HudFrameScope() { hud.Close(); }
