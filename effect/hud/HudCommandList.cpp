#include "effect/hud/HudCommandList.h"

#include <cstddef>

void HudCommandList::Allocate(int lineVertices, int triangleVertices) {
    lineCapacity = lineVertices > 0 ? lineVertices : 0;
    triangleCapacity = triangleVertices > 0 ? triangleVertices : 0;
    // Zeroed, so the unused part of the line region that an upload may span is defined.
    vertices.assign(static_cast<size_t>(lineCapacity) + static_cast<size_t>(triangleCapacity), HudVertex{0.0f, 0.0f});
    Clear();
}

void HudCommandList::Release() {
    std::vector<HudVertex>().swap(vertices);
    lineCapacity = triangleCapacity = 0;
    Clear();
}

void HudCommandList::Clear() { lineCount = triangleCount = commandCount = runStart = 0; }

bool HudCommandList::AddState(const HudCommand& command) {
    if (commandCount >= kMaxCommands) return false;
    commands[commandCount++] = command;
    runStart = commandCount;
    return true;
}

bool HudCommandList::AddColor(int32_t location, float r, float g, float b, float alpha) {
    return AddState({HudCommand::Kind::Color, HudMode::Lines, location, {r, g, b, alpha}, 0, 0});
}

bool HudCommandList::AddLineWidth(float width) {
    return AddState({HudCommand::Kind::LineWidth, HudMode::Lines, 0, {width, 0.0f, 0.0f, 0.0f}, 0, 0});
}

HudVertex* HudCommandList::Reserve(HudMode mode, int count) {
    const bool lines = mode == HudMode::Lines;
    int& used = lines ? lineCount : triangleCount;
    const int capacity = lines ? lineCapacity : triangleCapacity;
    if (count <= 0 || count > capacity - used) return nullptr;
    const int first = (lines ? 0 : lineCapacity) + used;
    // The run's draw of this mode ends where its region ends: nothing else wrote there since.
    HudCommand* draw = nullptr;
    for (int i = runStart; i < commandCount; ++i)
        if (commands[i].mode == mode) draw = &commands[i];
    if (draw) {
        draw->count += count;
    } else {
        if (commandCount >= kMaxCommands) return nullptr;
        commands[commandCount++] = {HudCommand::Kind::Draw, mode, 0, {0.0f, 0.0f, 0.0f, 0.0f}, first, count};
    }
    used += count;
    return vertices.data() + first;
}
