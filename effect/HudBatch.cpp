#include "effect/HudBatch.h"

#include <GL/glew.h>

#include <algorithm>
#include <cstring>

#include "effect/GlyphRuns.h"
#include "effect/InfoBlockLayout.h"
#include "gl/DynamicBuffers.h"

namespace {

// Rectangles a text takes in a batch: the runs of its glyphs.
int Runs(const char* text) {
    int runs = 0;
    for (; *text; ++text) runs += BuiltInGlyphRuns(GlyphIndex(static_cast<unsigned char>(*text))).count;
    return runs;
}

int MostRunsOfAnyGlyph() {
    int most = 0;
    for (int glyph = 0; glyph < kGlyphCount; ++glyph) most = std::max(most, BuiltInGlyphRuns(glyph).count);
    return most;
}

constexpr int kClockCharacters = 11;  // "HH:MM:SS:FF"

}  // namespace

int HudTriangleVertexCapacity() {
    // Rectangles: the crosshair's centre dot, the recording square, then the texts.
    int rects = 2 + Runs(kRecordingSign.text) + kClockCharacters * MostRunsOfAnyGlyph();
    for (const InfoLine& caption : kCaptions) rects += Runs(caption.text);
    return 6 * rects;
}

uint32_t HudLineBufferBytes() {
    return static_cast<uint32_t>((kHudLineVertexCapacity + HudTriangleVertexCapacity()) * sizeof(HudVertex));
}

void HudBatch::Allocate(uint32_t buffer) {
    lineBuffer = buffer;
    list.Allocate(kHudLineVertexCapacity, HudTriangleVertexCapacity());
    open = false;
}

void HudBatch::Release() {
    list.Release();
    lineBuffer = 0;
    open = false;
}

void HudBatch::Close() {
    Flush();
    open = false;
}

void HudBatch::SetColor(int32_t location, float r, float g, float b, float alpha) {
    if (!open) return glUniform4f(location, r, g, b, alpha);
    // A full list goes out first; an empty one always takes the change.
    if (!list.AddColor(location, r, g, b, alpha)) {
        Flush();
        list.AddColor(location, r, g, b, alpha);
    }
}

void HudBatch::SetLineWidth(float width) {
    if (!open) return glLineWidth(width);
    if (!list.AddLineWidth(width)) {
        Flush();
        list.AddLineWidth(width);
    }
}

void HudBatch::Add(HudMode mode, const HudVertex* vertices, int count) {
    if (!open) return DrawNow(mode, vertices, count);
    HudVertex* room = list.Reserve(mode, count);
    if (!room) {
        // Full: what is recorded goes out first, so the order of drawing holds.
        Flush();
        room = list.Reserve(mode, count);
    }
    if (room)
        std::memcpy(room, vertices, sizeof(HudVertex) * static_cast<size_t>(count));
    else
        DrawNow(mode, vertices, count);
}

void HudBatch::AddRect(const HudEdges& edges) {
    HudVertex rect[6];
    WriteRectVertices(rect, edges);
    Add(HudMode::Triangles, rect, 6);
}

void HudBatch::Flush() {
    if (list.Empty()) return;
    if (const int span = list.UsedSpan(); span > 0) {
        glBindBuffer(GL_ARRAY_BUFFER, lineBuffer);
        glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(span * sizeof(HudVertex)), list.Vertices());
    }
    for (int i = 0; i < list.CommandCount(); ++i) {
        const HudCommand& c = list.Commands()[i];
        switch (c.kind) {
            case HudCommand::Kind::Color:
                glUniform4f(c.location, c.values[0], c.values[1], c.values[2], c.values[3]);
                break;
            case HudCommand::Kind::LineWidth: glLineWidth(c.values[0]); break;
            case HudCommand::Kind::Draw: glDrawArrays(static_cast<GLenum>(c.mode), c.first, c.count); break;
        }
    }
    list.Clear();
}

void HudBatch::DrawNow(HudMode mode, const HudVertex* vertices, int count) const {
    UploadAndDraw(lineBuffer, vertices, static_cast<uint32_t>(count * sizeof(HudVertex)), static_cast<uint32_t>(mode),
                  count);
}
