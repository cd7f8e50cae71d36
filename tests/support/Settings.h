// Parameter values for the functions that take them, every parameter not named at its
// default, as a host's instance has them.
#pragma once

#include <initializer_list>
#include <utility>

#include "effect/EffectParameters.h"

inline EffectParameters Settings(std::initializer_list<std::pair<ParameterIndex, float>> values) {
    EffectParameters parameters;
    for (const auto& [index, value] : values) parameters.Apply(index, value);
    return parameters;
}
