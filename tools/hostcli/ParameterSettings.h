// Turns "Name=Value" assignments from the command line into parameter values, checked
// against the plug-in's own parameter table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/hostkit/PluginDescription.h"

struct ParameterSetting {
    uint32_t index = 0;
    bool isText = false;
    bool isFile = false;  // a file the plug-in may load over several frames
    float value = 0.0f;   // numeric types
    std::string text;     // text and file types
};

// Names and option elements match without regard to letter case. Options take an element
// name or an element value, booleans on/off/true/false/1/0, standard parameters a number
// within the parameter's range, file and text parameters any text. An unknown name or
// value fails with a message that lists what is valid.
bool ResolveSetting(const std::string& assignment, const std::vector<ParameterInfo>& parameters,
                    ParameterSetting* setting, std::string* error);

bool ResolveSettings(const std::vector<std::string>& assignments, const std::vector<ParameterInfo>& parameters,
                     std::vector<ParameterSetting>* settings, std::string* error);
