// The wall clock the info block shows. The frame reads it once and hands the time to
// what draws the block, so that the block itself is a function of the values it is given.
#pragma once

#include <optional>

#include "effect/hud/ClockText.h"

// The current calendar time in whole seconds, broken down into local time; none when
// the system cannot give it.
std::optional<ClockTime> SystemLocalTime();
