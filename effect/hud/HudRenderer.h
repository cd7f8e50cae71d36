// The HUD on the GPU: the line program with its colour uniform, the line buffer, and the
// list that batches the HUD. Primitives, colours and line widths are recorded and sent
// with one upload and one draw per run and mode: within a HudFrameScope at the scope's
// end, outside one at the end of each call. Glyphs go as one rectangle per run of lit
// cells. In a context that draws no line wider than a pixel (forward-compatible ones),
// wider lines are drawn as thin triangles of the same width, in the same batch. Lines
// along the frame's edge are drawn on its edge pixels, which every GL implementation
// draws at every size.
#pragma once

#include <cstdint>

#include "effect/hud/HudColor.h"
#include "effect/hud/HudCommandList.h"
#include "effect/hud/HudGeometry.h"
#include "gl/ContextLimits.h"
#include "gl/DynamicBuffer.h"
#include "gl/Scoped.h"
#include "gl/ShaderProgram.h"

class HudRenderer {
public:
    HudRenderer() = default;
    // Makes no GL call: the names are freed by Release, while the context is current.
    ~HudRenderer() = default;
    HudRenderer(const HudRenderer&) = delete;
    HudRenderer& operator=(const HudRenderer&) = delete;

    // Compiles the line program, asks the context whether it draws wide lines, and makes
    // the line buffer, large enough for a frame's whole HUD. A failed compile sends its
    // one message to the host's log.
    bool Create(const ShaderSource& line);
    void Release();

    void SetColor(const HudColor& color, float alpha);
    void SetLineWidth(float width);

    // Primitives and elements in HUD space; the elements' styles and modes are those of
    // the HUD geometry, and one they do not know draws nothing.
    void DrawLine(float x1, float y1, float x2, float y2);
    void DrawFilledRect(float x, float y, float width, float height);
    void DrawCircle(float cx, float cy, float radius, int segments);
    void DrawCrosshair(int style);  // sets line width 1.5 for every style
    void DrawGrid(int style);       // sets line width 1.0 for every style
    void DrawCornerBrackets();
    void DrawScanSweep(int mode, float scanPosition, int32_t frameCounter);
    void DrawGlyph(unsigned char code, float x, float y, float size);
    void DrawText(const char* text, float x, float y, float size);

private:
    friend class HudFrameScope;
    void Open();
    void Close();
    // The viewport's size in pixels: read once a frame, at its first need, and outside one
    // at each.
    const ViewportSize& PixelSize();
    // Lines on the frame's edge move onto its edge pixels, wide lines become triangles
    // where the context needs it, and the rest is recorded or drawn as given.
    void Add(HudMode mode, const HudVertex* vertices, int count);
    // Records the vertices as given; Add first turns wide lines into triangles.
    void AddAsGiven(HudMode mode, const HudVertex* vertices, int count);
    void AddWideLines(const HudVertex* vertices, int count);
    void AddRect(const HudEdges& edges);
    void AddShape(const HudShape& shape);
    void Flush();
    // Outside a frame, what a call recorded goes out at its end.
    void FlushOutsideFrame() {
        if (!open) Flush();
    }

    ShaderProgram lineShader;
    int32_t hudColorLocation = -1;  // the line program's "Color", found at set-up
    DynamicBuffer lineBuffer;
    HudCommandList batch;
    bool open = false;       // within a HudFrameScope
    bool wideLines = true;   // whether GL draws lines wider than a pixel, found at set-up
    float lineWidth = 1.0f;  // the width last set, for lines drawn as triangles
    ViewportSize viewport;   // of the frame, for edge lines and lines drawn as triangles
    bool viewportRead = false;
};

// The HUD of one frame: the line program in use and the line vertex array bound for the
// scope's length. At its end the batch goes out, then vertex array 0, then no program.
class HudFrameScope {
public:
    explicit HudFrameScope(HudRenderer& renderer);
    ~HudFrameScope();
    HudFrameScope(const HudFrameScope&) = delete;
    HudFrameScope& operator=(const HudFrameScope&) = delete;

private:
    HudRenderer& hud;
    ScopedProgramUse program;
    ScopedVertexArrayBinding array;
};
