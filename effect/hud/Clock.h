// The wall clock the info block shows, read through a replaceable source so that tests
// can pin the time.
#pragma once

#include <optional>

#include "effect/hud/ClockText.h"

using LocalTimeSource = std::optional<ClockTime> (*)();

// The current calendar time in whole seconds, broken down into local time; none when
// the system cannot give it.
std::optional<ClockTime> SystemLocalTime();

// Where ReadLocalTime asks; SystemLocalTime unless a test has replaced it.
extern LocalTimeSource localTimeSource;

inline std::optional<ClockTime> ReadLocalTime() { return localTimeSource ? localTimeSource() : std::nullopt; }
