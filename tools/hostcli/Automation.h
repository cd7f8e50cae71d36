// Parameter values that move during a render. A --set gives a fixed value ("Grid=Thirds"),
// a ramp across the whole render ("Hue Shift=0..1") or keyframes at times in seconds
// ("Glitch=0@0s,1@2s,0@2.5s", "Color Mode=Thermal@3s"). Numbers move linearly between
// keyframes; options and on/off switches step at each keyframe.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/hostcli/ParameterSettings.h"
#include "tools/hostkit/PluginDescription.h"

struct Keyframe {
    double seconds = 0.0;
    float value = 0.0f;
};

struct Automation {
    uint32_t index = 0;
    bool stepped = false;    // options and switches
    bool fromStart = true;   // a fixed value or a ramp governs from the first frame, keyframes from their first time
    bool rampToEnd = false;  // the last keyframe stands at the render's last frame
    std::vector<Keyframe> keys;
};

// Text and file parameters go into `texts` (fixed, applied once); numeric ones into
// `automations`, in command-line order. False with a message for a bad name, value or time.
bool ParseAutomations(const std::vector<std::string>& assignments, const std::vector<ParameterInfo>& parameters,
                      std::vector<Automation>* automations, std::vector<ParameterSetting>* texts, std::string* error);

struct ParameterValue {
    uint32_t index = 0;
    float value = 0.0f;
};

// The value of every parameter some automation governs at `seconds`, in index order; of
// two that govern one parameter, the later on the command line wins. `lastFrameSeconds`
// is when the render's last frame stands, the end of a ramp.
std::vector<ParameterValue> ValuesAt(const std::vector<Automation>& automations, double seconds,
                                     double lastFrameSeconds);
