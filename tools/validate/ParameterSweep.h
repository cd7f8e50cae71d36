// The values a check walks a number parameter through: every element of an option, off
// and on for a boolean, nine even steps across the range for the others.
#pragma once

#include <vector>

#include "tools/hostkit/PluginDescription.h"

std::vector<float> SweepValues(const ParameterInfo& parameter);
