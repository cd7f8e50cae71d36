// The HUD drawn primitive by primitive through an effect's own line program and buffer:
// every line, rectangle and circle, and every lit cell of a glyph, one upload and one
// draw of its own, colours and widths sent at once. The batched HUD of a frame must
// match it pixel for pixel. It takes HudRenderer's operations, so the frame's stages
// (HudStages.h) draw through it as they draw through the renderer.
#pragma once

#include <GL/glew.h>

#include <cstdint>

#include "effect/font/GlyphCells.h"
#include "effect/font/GlyphTable.h"
#include "effect/hud/HudRenderer.h"
#include "tests/support/EffectTestAccess.h"
#include "tests/support/GlyphReference.h"

class PerPrimitiveHud {
public:
    // The line program in use and the line vertex array bound for the object's life:
    // outside a frame the renderer sends each primitive at the end of its call.
    explicit PerPrimitiveHud(HudRenderer& renderer) : hud(renderer) {
        const HudInside inside{hud};
        glUseProgram(inside.Program().ProgramHandle());
        glBindVertexArray(inside.Buffer().VertexArray());
    }
    ~PerPrimitiveHud() {
        glBindVertexArray(0);
        glUseProgram(0);
    }
    PerPrimitiveHud(const PerPrimitiveHud&) = delete;
    PerPrimitiveHud& operator=(const PerPrimitiveHud&) = delete;

    void SetColor(const HudColor& color, float alpha) { hud.SetColor(color, alpha); }
    void SetLineWidth(float width) { hud.SetLineWidth(width); }
    void DrawLine(float x1, float y1, float x2, float y2) { hud.DrawLine(x1, y1, x2, y2); }
    void DrawFilledRect(float x, float y, float width, float height) { hud.DrawFilledRect(x, y, width, height); }
    void DrawCrosshair(int style) { hud.DrawCrosshair(style); }
    void DrawGrid(int style) { hud.DrawGrid(style); }
    void DrawCornerBrackets() { hud.DrawCornerBrackets(); }
    void DrawScanSweep(int mode, float position, int32_t frame) { hud.DrawScanSweep(mode, position, frame); }

    void DrawGlyph(unsigned char code, float x, float y, float size) {
        ForEachGlyphCell(GlyphTable[GlyphIndex(code)], x, y, size,
                         [this](const CellRect& cell) { hud.DrawFilledRect(cell.x, cell.y, cell.width, cell.height); });
    }
    void DrawText(const char* text, float x, float y, float size) {
        for (int i = 0; text[i] != '\0'; ++i)
            DrawGlyph(static_cast<unsigned char>(text[i]), CharacterX(x, i, size), y, size);
    }

private:
    HudRenderer& hud;
};
