// The rates of a video whose frames do not come at one steady rate (phone clips, screen
// recordings, joined clips): read from its frames' timestamps.
#pragma once

#include <vector>

#include "tools/video/VideoInfo.h"

// Whether the file's own rates hint at a variable rate: its base rate differs from the
// average, or the average is none of the usual rates.
bool MayVaryInRate(const VideoInfo& info);

struct RateRange {
    FrameRate highest;    // snapped to a usual rate within 1%
    double lowest = 0.0;  // frames per second
};

// The highest and lowest rates the frames keep up over eight frames (so that a frame's
// jitter does not count), from their timestamps in any order; false for fewer than two.
bool MeasureRates(std::vector<double> timestamps, RateRange* range);
