// The live window's keys: which parameter is picked, its value, pause, screenshot, quit.
// Pure state, so that what each key does is known without a window.
#pragma once

#include <string>
#include <vector>

#include "tools/hostkit/GlWindow.h"
#include "tools/hostkit/PluginDescription.h"

struct PlayState {
    std::vector<ParameterInfo> parameters;  // the numeric ones: options, switches and numbers
    std::vector<float> values;              // the value of each, as last sent
    size_t selected = 0;
    bool paused = false;
    bool quit = false;
    int screenshots = 0;  // asked for and not yet taken
};

// Starts from the plug-in's defaults; text and file parameters are left out.
PlayState StartPlay(const std::vector<ParameterInfo>& parameters);

// Applies one key; the position in state->parameters of a value that changed, or -1.
int ApplyKey(PlayState* state, WindowKey key);

// One step up or down: the next option, the other switch position, or a twentieth of a
// number's range (kept within it).
float SteppedValue(const ParameterInfo& parameter, float value, int direction);

// "Thermal", "on", "0.35".
std::string ValueText(const ParameterInfo& parameter, float value);

// The window's title: frame time, the picked parameter and the keys.
std::string PlayTitle(const PlayState& state, double frameMilliseconds);
