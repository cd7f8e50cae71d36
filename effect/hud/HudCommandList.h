// The HUD of a frame as plain data: vertices in two regions of one list (lines from the
// start, triangles after the line region) and, in drawing order, the colour and
// line-width changes with the draws between them. Between two state changes all lines
// of the run form one draw and all triangles another: every primitive of a run blends
// the same colour and alpha, so the order in which they reach a pixel does not matter.
// Storage is sized once; nothing here allocates after Allocate.
#pragma once

#include <cstdint>
#include <vector>

#include "effect/hud/HudGeometry.h"

struct HudCommand {
    enum class Kind : uint8_t { Color, LineWidth, Draw };
    Kind kind;
    HudMode mode;      // Draw
    int32_t location;  // Color: the uniform
    float values[4];   // Color: r, g, b, alpha; LineWidth: values[0]
    int first;         // Draw: vertex index in the whole list
    int count;         // Draw: vertices
};

class HudCommandList {
public:
    static constexpr int kMaxCommands = 64;

    // Room for this many vertices of each kind; the only allocation.
    void Allocate(int lineVertices, int triangleVertices);
    void Release();
    void Clear();

    // False when the command list is full: the caller flushes and tries again.
    bool AddColor(int32_t location, float r, float g, float b, float alpha);
    bool AddLineWidth(float width);
    // Space for count vertices, joined to this run's draw of the same mode; null when
    // the region or the command list has no room.
    HudVertex* Reserve(HudMode mode, int count);

    bool Empty() const { return commandCount == 0; }
    const HudCommand* Commands() const { return commands; }
    int CommandCount() const { return commandCount; }
    const HudVertex* Vertices() const { return vertices.data(); }
    // Vertices from the start of the list that an upload must cover.
    int UsedSpan() const { return triangleCount > 0 ? lineCapacity + triangleCount : lineCount; }

private:
    bool AddState(const HudCommand& command);

    std::vector<HudVertex> vertices;
    int lineCapacity = 0;
    int triangleCapacity = 0;
    int lineCount = 0;
    int triangleCount = 0;
    HudCommand commands[kMaxCommands];
    int commandCount = 0;
    int runStart = 0;  // first command after the latest state change
};
