// Summary of per-frame measurements for the benchmark.
#pragma once

#include <vector>

struct FrameStatistics {
    double median = 0.0;
    double minimum = 0.0;
    double maximum = 0.0;
};

// Of an empty list: all zero. An even count takes the mean of the two middle values.
FrameStatistics Summarise(std::vector<double> values);
