// The HUD's vertex lists in HUD space (0..1 both ways, origin bottom left), built
// without GL so that the draw code only uploads and draws.
#pragma once

#include <cstdint>

struct HudVertex {
    float x;
    float y;
};

// The GL primitive modes the HUD uses, with their GL values.
enum class HudMode : uint32_t { Lines = 1, Triangles = 4 };

// One draw call: a run of vertices in one mode.
struct HudPrimitive {
    HudMode mode;
    int first;
    int count;
};

// The vertices of one or more HUD elements, primitive by primitive in drawing order.
// Fixed capacity so that drawing allocates nothing; a primitive that would not fit is
// dropped whole rather than drawn in part.
struct HudShape {
    static constexpr int kMaxVertices = 512;  // what the least line buffer holds
    static constexpr int kMaxPrimitives = 64;

    HudVertex vertices[kMaxVertices];
    HudPrimitive primitives[kMaxPrimitives];
    int vertexCount = 0;
    int primitiveCount = 0;

    void Clear() { vertexCount = primitiveCount = 0; }
    const HudVertex* VerticesOf(const HudPrimitive& primitive) const { return vertices + primitive.first; }
};

// A rectangle by its edges, so that a rectangle standing for several glyph cells can keep
// the very floats of its outer cells' edges (and so cover the same pixels).
struct HudEdges {
    float left;
    float bottom;
    float right;
    float top;
};

// The two triangles of a filled rectangle, in the order every rectangle is drawn.
void WriteRectVertices(HudVertex* v, const HudEdges& edges);

// A line `width` pixels wide as two triangles, for a context that draws no line wider
// than a pixel, covering the pixels a wide GL line covers: the width rounded to whole
// pixels across the major axis (a line more horizontal than vertical is widened up and
// down, any other sideways), and along it the pixels GL's diamond rule takes. The
// viewport's size in pixels turns pixels into HUD space.
void WriteWideLineVertices(HudVertex* v, HudVertex a, HudVertex b, float width, float viewportWidth,
                           float viewportHeight);

// Whether the line from a to b lies on the frame's edge: along x = 0 or x = 1, or along
// y = 0 or y = 1. GL's rasterisation rules draw such a line or drop it, by implementation
// and by the frame's size.
bool LiesOnFrameEdge(HudVertex a, HudVertex b);

// Moves a line that lies on the frame's edge half a pixel inside, onto the edge pixels
// themselves, which every implementation draws; any other line stays as it is. The
// viewport's size in pixels turns pixels into HUD space.
void MoveOntoEdgePixels(HudVertex& a, HudVertex& b, float viewportWidth, float viewportHeight);

// A circle never has more segments than this: 128 vertices, 1 KiB of the line buffer.
constexpr int kMaxCircleSegments = 64;

// Primitives.
void AppendLine(HudShape& shape, float x1, float y1, float x2, float y2);
void AppendFilledRect(HudShape& shape, float x, float y, float width, float height);
// Each segment is its own vertex pair; segments beyond 64 are clamped, none or fewer draws nothing.
void AppendCircle(HudShape& shape, float cx, float cy, float radius, int segments);

// Elements; a style or mode they do not know appends nothing.
void AppendCrosshair(HudShape& shape, int style);  // 0 Standard, 1 Tactical, 2 Minimal
void AppendGrid(HudShape& shape, int style);       // 0 Square, 1 Thirds, 2 Radial
void AppendCornerBrackets(HudShape& shape);
// 1 horizontal line, 2 vertical line, 3 radar (which ignores scanPosition).
void AppendScanSweep(HudShape& shape, int mode, float scanPosition, int32_t frameCounter);
