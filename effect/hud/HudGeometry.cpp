#include "effect/hud/HudGeometry.h"

#include <cmath>
#include <cstddef>

#include "effect/MotionClock.h"

namespace {

constexpr float kTwoPi = 6.2831855f;
constexpr float kRadius = 0.45f;  // radial grid and radar reach

// Reserves a primitive of count vertices; null when the shape has no room for it.
HudVertex* Reserve(HudShape& shape, HudMode mode, int count) {
    if (shape.primitiveCount >= HudShape::kMaxPrimitives || count > HudShape::kMaxVertices - shape.vertexCount)
        return nullptr;
    shape.primitives[shape.primitiveCount++] = {mode, shape.vertexCount, count};
    HudVertex* start = shape.vertices + shape.vertexCount;
    shape.vertexCount += count;
    return start;
}

struct HudSegment {
    float x1, y1, x2, y2;
};

template <size_t N>
void AppendLines(HudShape& shape, const HudSegment (&lines)[N]) {
    for (const HudSegment& line : lines) AppendLine(shape, line.x1, line.y1, line.x2, line.y2);
}

// A line from the centre at an angle; the product is taken before the sum, in float.
void AppendSpoke(HudShape& shape, float angle, float length) {
    AppendLine(shape, 0.5f, 0.5f, 0.5f + std::cos(angle) * length, 0.5f + std::sin(angle) * length);
}

// Four arms around a gap, then a centre dot.
constexpr HudSegment kStandardArms[] = {{0.405f, 0.5f, 0.4715f, 0.5f},
                                        {0.5285f, 0.5f, 0.595f, 0.5f},
                                        {0.5f, 0.405f, 0.5f, 0.4715f},
                                        {0.5f, 0.5285f, 0.5f, 0.595f}};

void AppendStandardCrosshair(HudShape& shape) {
    AppendLines(shape, kStandardArms);
    AppendFilledRect(shape, 0.497f, 0.497f, 0.006f, 0.006f);
}

void AppendTacticalCrosshair(HudShape& shape) {
    AppendCircle(shape, 0.5f, 0.5f, 0.038f, 32);
    AppendCircle(shape, 0.5f, 0.5f, 0.01425f, 16);
    AppendLine(shape, 0.405f, 0.5f, 0.595f, 0.5f);
    AppendLine(shape, 0.5f, 0.405f, 0.5f, 0.595f);
    for (int i = 1; i <= 3; ++i) {
        const float t = static_cast<float>(i) * 0.02375f;
        const float a = 0.5f + t;
        const float b = 0.5f - t;
        AppendLine(shape, a, 0.492f, a, 0.508f);
        AppendLine(shape, b, 0.492f, b, 0.508f);
        AppendLine(shape, 0.492f, a, 0.508f, a);
        AppendLine(shape, 0.492f, b, 0.508f, b);
    }
}

// Corner marks of a square from 0.462 to 0.538, arms 0.02375 long.
constexpr HudSegment kMinimalMarks[] = {{0.462f, 0.51425f, 0.462f, 0.538f}, {0.462f, 0.538f, 0.48575f, 0.538f},
                                        {0.538f, 0.51425f, 0.538f, 0.538f}, {0.538f, 0.538f, 0.51425f, 0.538f},
                                        {0.462f, 0.48575f, 0.462f, 0.462f}, {0.462f, 0.462f, 0.48575f, 0.462f},
                                        {0.538f, 0.48575f, 0.538f, 0.462f}, {0.538f, 0.462f, 0.51425f, 0.462f}};

void AppendSquareGrid(HudShape& shape) {
    // Eight lines each way, the output's own borders included.
    for (int i = 0; i < 8; ++i) {
        const float t = static_cast<float>(i) / 7.0f;
        AppendLine(shape, t, 0.0f, t, 1.0f);
        AppendLine(shape, 0.0f, t, 1.0f, t);
    }
}

// Lines at the thirds, then a small centre cross.
constexpr HudSegment kThirdsLines[] = {{0.333f, 0.0f, 0.333f, 1.0f}, {0.667f, 0.0f, 0.667f, 1.0f},
                                       {0.0f, 0.333f, 1.0f, 0.333f}, {0.0f, 0.667f, 1.0f, 0.667f},
                                       {0.49f, 0.5f, 0.51f, 0.5f},   {0.5f, 0.49f, 0.5f, 0.51f}};

void AppendRadialGrid(HudShape& shape) {
    for (int k = 1; k <= 3; ++k) AppendCircle(shape, 0.5f, 0.5f, static_cast<float>(k) * kRadius / 3.0f, 32);
    for (int k = 0; k < 8; ++k) AppendSpoke(shape, static_cast<float>(k) * 0.125f * kTwoPi, kRadius);
}

void AppendRadar(HudShape& shape, int32_t frameCounter) {
    const float a = RadarAngle(frameCounter);
    AppendSpoke(shape, a, kRadius);
    // The trail: four shorter lines lagging behind the sweep.
    for (int i = 1; i <= 4; ++i) {
        const float fi = static_cast<float>(i);
        AppendSpoke(shape, a - fi * 0.08f, (1.0f - fi * 0.2f) * kRadius);
    }
    AppendCircle(shape, 0.5f, 0.5f, 0.1485f, 24);
    AppendCircle(shape, 0.5f, 0.5f, 0.297f, 32);
    AppendCircle(shape, 0.5f, 0.5f, kRadius, 40);
}

// The coordinate half a pixel inside an edge it lies on, or unchanged.
float OntoEdgePixel(float value, float pixels) {
    const float half = 0.5f / pixels;
    return value == 0.0f ? half : value == 1.0f ? 1.0f - half : value;
}

bool OnEdge(float a, float b) { return a == b && (a == 0.0f || a == 1.0f); }

}  // namespace

void AppendLine(HudShape& shape, float x1, float y1, float x2, float y2) {
    HudVertex* v = Reserve(shape, HudMode::Lines, 2);
    if (!v) return;
    v[0] = {x1, y1};
    v[1] = {x2, y2};
}

void AppendFilledRect(HudShape& shape, float x, float y, float width, float height) {
    HudVertex* v = Reserve(shape, HudMode::Triangles, 6);
    if (v) WriteRectVertices(v, {x, y, x + width, y + height});
}

void WriteRectVertices(HudVertex* v, const HudEdges& e) {
    v[0] = {e.left, e.bottom};
    v[1] = {e.right, e.bottom};
    v[2] = {e.right, e.top};
    v[3] = {e.left, e.bottom};
    v[4] = {e.right, e.top};
    v[5] = {e.left, e.top};
}

void WriteWideLineVertices(HudVertex* v, HudVertex a, HudVertex b, float width, float viewportWidth,
                           float viewportHeight) {
    const float dx = (b.x - a.x) * viewportWidth, dy = (b.y - a.y) * viewportHeight;
    const bool xMajor = std::fabs(dx) >= std::fabs(dy);
    const float major = std::fmax(std::fabs(dx), std::fabs(dy));
    if (major == 0.0f) {
        for (int i = 0; i < 6; ++i) v[i] = a;  // no pixel to cover, as GL draws none
        return;
    }
    // GL takes the pixels whose diamond the line leaves: the line as if moved back along
    // itself by half a pixel of its major axis. Its width is rounded to whole pixels.
    const float back = 0.5f / major;
    const HudVertex along{(b.x - a.x) * back, (b.y - a.y) * back};
    const float half = 0.5f * std::round(width);
    const HudVertex side = xMajor ? HudVertex{0.0f, half / viewportHeight} : HudVertex{half / viewportWidth, 0.0f};
    a = {a.x - along.x, a.y - along.y};
    b = {b.x - along.x, b.y - along.y};
    v[0] = {a.x - side.x, a.y - side.y};
    v[1] = {b.x - side.x, b.y - side.y};
    v[2] = {b.x + side.x, b.y + side.y};
    v[3] = v[0];
    v[4] = v[2];
    v[5] = {a.x + side.x, a.y + side.y};
}

bool LiesOnFrameEdge(HudVertex a, HudVertex b) { return OnEdge(a.x, b.x) || OnEdge(a.y, b.y); }

void MoveOntoEdgePixels(HudVertex& a, HudVertex& b, float viewportWidth, float viewportHeight) {
    if (OnEdge(a.x, b.x)) a.x = b.x = OntoEdgePixel(a.x, viewportWidth);
    if (OnEdge(a.y, b.y)) a.y = b.y = OntoEdgePixel(a.y, viewportHeight);
}

void AppendCircle(HudShape& shape, float cx, float cy, float radius, int segments) {
    const int n = segments < kMaxCircleSegments ? segments : kMaxCircleSegments;
    if (n <= 0) return;
    HudVertex* v = Reserve(shape, HudMode::Lines, 2 * n);
    if (!v) return;
    const float count = static_cast<float>(n);
    for (int i = 0; i < n; ++i, v += 2) {
        // Division first, then the turn; the last segment ends at exactly 2 pi.
        const float a0 = static_cast<float>(i) / count * kTwoPi;
        const float a1 = static_cast<float>(i + 1) / count * kTwoPi;
        v[0] = {cx + std::cos(a0) * radius, cy + std::sin(a0) * radius};
        v[1] = {cx + std::cos(a1) * radius, cy + std::sin(a1) * radius};
    }
}

void AppendCrosshair(HudShape& shape, int style) {
    switch (style) {
        case 0: AppendStandardCrosshair(shape); break;
        case 1: AppendTacticalCrosshair(shape); break;
        case 2: AppendLines(shape, kMinimalMarks); break;
        default: break;
    }
}

void AppendGrid(HudShape& shape, int style) {
    switch (style) {
        case 0: AppendSquareGrid(shape); break;
        case 1: AppendLines(shape, kThirdsLines); break;
        case 2: AppendRadialGrid(shape); break;
        default: break;
    }
}

void AppendCornerBrackets(HudShape& shape) {
    struct Corner {
        float x, y, dx, dy;
    };
    constexpr Corner kCorners[] = {{0.02f, 0.02f, 1.0f, 1.0f},
                                   {0.98f, 0.02f, -1.0f, 1.0f},
                                   {0.02f, 0.98f, 1.0f, -1.0f},
                                   {0.98f, 0.98f, -1.0f, -1.0f}};
    constexpr float kArm = 0.0525f;
    for (const Corner& c : kCorners) {
        AppendLine(shape, c.x, c.y, c.x + c.dx * kArm, c.y);
        AppendLine(shape, c.x, c.y, c.x, c.y + c.dy * kArm);
    }
}

void AppendScanSweep(HudShape& shape, int mode, float scanPosition, int32_t frameCounter) {
    switch (mode) {
        case 1: AppendLine(shape, 0.0f, scanPosition, 1.0f, scanPosition); break;
        case 2: AppendLine(shape, scanPosition, 0.0f, scanPosition, 1.0f); break;
        case 3: AppendRadar(shape, frameCounter); break;
        default: break;
    }
}
