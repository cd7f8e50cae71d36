// Which frames a contact sheet of a plug-in's parameters shows, worked out from its
// parameter table alone: every option element, off and on of an on/off parameter, and
// five steps (0, 1/4, 1/2, 3/4, 1 of the range) of every number parameter. File and text
// parameters have no values to show.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/hostkit/PluginDescription.h"

constexpr int kGalleryNumberSteps = 5;

struct GalleryFrame {
    uint32_t index = 0;     // the parameter
    float value = 0.0f;     // sent by code 8
    std::string parameter;  // its name, for the caption
    std::string valueText;  // the element's name, "off" or "on", or the number
};

// The frames of every parameter in table order, or of the one named `only` (any letter
// case) when it is not empty. False with a message when `only` names no parameter, names
// one with nothing to show, or when no parameter has anything to show.
bool PlanGallery(const std::vector<ParameterInfo>& parameters, const std::string& only,
                 std::vector<GalleryFrame>* frames, std::string* error);
