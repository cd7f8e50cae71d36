#include "tools/video/FrameTimes.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kWindow = 8;

constexpr FrameRate kUsualRates[] = {{24000, 1001}, {24, 1},        {25, 1},       {30000, 1001}, {30, 1},
                                     {48, 1},       {50, 1},        {60000, 1001}, {60, 1},       {90, 1},
                                     {100, 1},      {120000, 1001}, {120, 1},      {144, 1},      {240, 1}};

bool Near(double a, double b, double tolerance) { return std::fabs(a - b) <= tolerance * b; }

// The usual rate nearest the value, when within `tolerance` of it.
bool UsualRate(double value, double tolerance, FrameRate* rate) {
    const FrameRate* nearest = nullptr;
    for (const FrameRate& usual : kUsualRates)
        if (Near(value, usual.Value(), tolerance) &&
            (!nearest || std::fabs(value - usual.Value()) < std::fabs(value - nearest->Value())))
            nearest = &usual;
    if (nearest) *rate = *nearest;
    return nearest != nullptr;
}

}  // namespace

bool MayVaryInRate(const VideoInfo& info) {
    const double average = info.rate.Value();
    if (average <= 0.0) return false;
    FrameRate ignored;
    return !Near(info.baseRate.Value(), average, 0.01) || !UsualRate(average, 0.001, &ignored);
}

bool MeasureRates(std::vector<double> timestamps, RateRange* range) {
    std::sort(timestamps.begin(), timestamps.end());
    const size_t count = timestamps.size();
    if (count < 2) return false;
    const size_t window = std::min<size_t>(kWindow, count - 1);
    double shortest = 0.0, longest = 0.0;
    for (size_t i = 0; i + window < count; ++i) {
        const double span = (timestamps[i + window] - timestamps[i]) / static_cast<double>(window);
        if (span <= 0.0) continue;
        shortest = shortest > 0.0 ? std::min(shortest, span) : span;
        longest = std::max(longest, span);
    }
    if (shortest <= 0.0) return false;
    const double highest = 1.0 / shortest;
    if (!UsualRate(highest, 0.01, &range->highest)) range->highest = {std::lround(highest * 1000.0), 1000};
    range->lowest = 1.0 / longest;
    return true;
}
