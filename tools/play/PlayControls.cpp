#include "tools/play/PlayControls.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "abi/ffgl_abi.h"

namespace {

constexpr float kNumberSteps = 20.0f;

}  // namespace

PlayState StartPlay(const std::vector<ParameterInfo>& parameters) {
    PlayState state;
    for (const ParameterInfo& parameter : parameters) {
        if (ffgl::IsTextType(parameter.type)) continue;
        state.parameters.push_back(parameter);
        state.values.push_back(parameter.defaultValue);
    }
    return state;
}

float SteppedValue(const ParameterInfo& parameter, float value, int direction) {
    if (parameter.type == ffgl::kTypeBoolean) return value >= 0.5f ? 0.0f : 1.0f;
    if (parameter.type == ffgl::kTypeOption && !parameter.elements.empty()) {
        const auto& elements = parameter.elements;
        size_t at = 0;
        for (size_t i = 0; i < elements.size(); ++i)
            if (std::fabs(elements[i].value - value) < std::fabs(elements[at].value - value)) at = i;
        const size_t count = elements.size();
        return elements[(at + count + (direction > 0 ? 1 : count - 1)) % count].value;
    }
    const float step = (parameter.rangeMax - parameter.rangeMin) / kNumberSteps;
    const float moved = std::round((value + direction * step) / step) * step;
    return std::clamp(moved, parameter.rangeMin, parameter.rangeMax);
}

int ApplyKey(PlayState* state, WindowKey key) {
    const size_t count = state->parameters.size();
    switch (key) {
        case WindowKey::Escape:
        case WindowKey::Q: state->quit = true; return -1;
        case WindowKey::Space: state->paused = !state->paused; return -1;
        case WindowKey::S: ++state->screenshots; return -1;
        case WindowKey::Up:
            if (count) state->selected = (state->selected + count - 1) % count;
            return -1;
        case WindowKey::Down:
            if (count) state->selected = (state->selected + 1) % count;
            return -1;
        case WindowKey::Left:
        case WindowKey::Right: {
            if (!count) return -1;
            float& value = state->values[state->selected];
            value = SteppedValue(state->parameters[state->selected], value, key == WindowKey::Right ? 1 : -1);
            return static_cast<int>(state->selected);
        }
        default: return -1;
    }
}

std::string ValueText(const ParameterInfo& parameter, float value) {
    if (parameter.type == ffgl::kTypeBoolean) return value >= 0.5f ? "on" : "off";
    for (const OptionElementInfo& element : parameter.elements)
        if (element.value == value) return element.name;
    return NumberText(value);
}

std::string PlayTitle(const PlayState& state, double frameMilliseconds) {
    char time[48];
    std::snprintf(time, sizeof time, "%.1f ms/frame", frameMilliseconds);
    std::string title = std::string("vigil-host play | ") + time + (state.paused ? " | paused" : "");
    if (!state.parameters.empty()) {
        const ParameterInfo& picked = state.parameters[state.selected];
        title += " | " + picked.name + " = " + ValueText(picked, state.values[state.selected]) + " (" +
                 std::to_string(state.selected + 1) + "/" + std::to_string(state.parameters.size()) + ")";
    }
    return title + " | Up/Down pick, Left/Right change, Space pause, S screenshot, Esc quit";
}
