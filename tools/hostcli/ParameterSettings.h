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

// The parameter an assignment names, and the text after its "=" as it stands; null with
// a message listing the parameters when the name is unknown.
const ParameterInfo* SplitAssignment(const std::string& assignment, const std::vector<ParameterInfo>& parameters,
                                     std::string* valueText, std::string* error);
// A value text of a numeric parameter (option, on/off or number), as ResolveSetting reads it.
bool ResolveValue(const ParameterInfo& parameter, const std::string& text, float* value, std::string* error);
std::string Trim(const std::string& text);

bool ResolveSettings(const std::vector<std::string>& assignments, const std::vector<ParameterInfo>& parameters,
                     std::vector<ParameterSetting>* settings, std::string* error);
