// How the HUD's primitives reach the GPU. While a batch is open (the frame opens one
// around its HUD stages) primitives, colours and line widths are recorded and Close
// sends them with one upload of the line buffer and one draw per run and mode. While
// none is open every primitive is uploaded and drawn on its own at once, and colours
// and widths go straight to GL: the per-primitive drawing, which the batched frame
// must match pixel for pixel.
#pragma once

#include <cstdint>

#include "effect/HudCommandList.h"

// What the line buffer must hold: every line of the largest HUD (brackets, radial grid,
// radar and tactical crosshair come to 550 vertices) and every triangle of the centre
// dot, the recording square and the info block's texts, one rectangle per glyph run.
constexpr int kHudLineVertexCapacity = 1024;
int HudTriangleVertexCapacity();
uint32_t HudLineBufferBytes();

class HudBatch {
public:
    // Sizes the CPU lists for the line buffer `buffer` (made HudLineBufferBytes() large).
    void Allocate(uint32_t buffer);
    void Release();

    void Open() { open = true; }
    bool IsOpen() const { return open; }
    // Sends what was recorded and returns to drawing at once.
    void Close();

    void SetColor(int32_t location, float r, float g, float b, float alpha);
    void SetLineWidth(float width);
    void Add(HudMode mode, const HudVertex* vertices, int count);
    void AddRect(const HudEdges& edges);

private:
    void Flush();
    void DrawNow(HudMode mode, const HudVertex* vertices, int count) const;

    HudCommandList list;
    uint32_t lineBuffer = 0;
    bool open = false;
};
