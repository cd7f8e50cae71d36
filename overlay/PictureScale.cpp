#include "overlay/PictureScale.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// The input pixels one output pixel covers along an axis, with the share of each.
struct Coverage {
    int first = 0;
    std::vector<float> weights;
};

// Output pixel i covers [i * s, (i + 1) * s) of the input, s = input / output.
std::vector<Coverage> AxisCoverage(int input, int output) {
    const double scale = static_cast<double>(input) / output;
    std::vector<Coverage> axis(static_cast<size_t>(output));
    for (int i = 0; i < output; ++i) {
        const double begin = i * scale, end = std::min<double>(input, (i + 1) * scale);
        Coverage& c = axis[static_cast<size_t>(i)];
        c.first = static_cast<int>(begin);
        for (int j = c.first; j < end; ++j)
            c.weights.push_back(static_cast<float>(std::min<double>(j + 1, end) - std::max<double>(j, begin)));
    }
    return axis;
}

// One input row reduced to the output's width: alpha-weighted colour and alpha, summed.
void ReduceRow(const uint8_t* row, const std::vector<Coverage>& columns, float weight, float* sums) {
    for (const Coverage& c : columns) {
        const uint8_t* p = row + static_cast<size_t>(c.first) * 4;
        float r = 0, g = 0, b = 0, a = 0;
        for (const float w : c.weights) {
            const float wa = w * p[3];
            r += wa * p[0];
            g += wa * p[1];
            b += wa * p[2];
            a += wa;
            p += 4;
        }
        sums[0] += weight * r;
        sums[1] += weight * g;
        sums[2] += weight * b;
        sums[3] += weight * a;
        sums += 4;
    }
}

uint8_t ToByte(float value) { return static_cast<uint8_t>(std::clamp(value + 0.5f, 0.0f, 255.0f)); }

// Sums back to pixels: colour divided by the alpha it was weighted with.
void WriteRow(const float* sums, int width, float area, uint8_t* out) {
    for (int x = 0; x < width; ++x, sums += 4, out += 4) {
        const float alpha = sums[3];
        for (int c = 0; c < 3; ++c) out[c] = alpha > 0.0f ? ToByte(sums[c] / alpha) : 0;
        out[3] = ToByte(alpha / area);
    }
}

bool Cancelled(const std::atomic<bool>* cancelled) { return cancelled && cancelled->load(std::memory_order_relaxed); }

// `turnOver`: the source is top row first and the level is to be bottom row first.
MipLevel AreaScale(const uint8_t* source, PictureSize from, PictureSize to, bool turnOver,
                   const std::atomic<bool>* cancelled) {
    MipLevel level{to, std::vector<uint8_t>(static_cast<size_t>(to.width) * to.height * 4)};
    const size_t sourceRow = static_cast<size_t>(from.width) * 4, levelRow = static_cast<size_t>(to.width) * 4;
    auto outRow = [&](int y) { return level.pixels.data() + (turnOver ? to.height - 1 - y : y) * levelRow; };
    if (from == to) {
        for (int y = 0; y < to.height; ++y) std::memcpy(outRow(y), source + y * sourceRow, sourceRow);
        return level;
    }
    const std::vector<Coverage> columns = AxisCoverage(from.width, to.width),
                                rows = AxisCoverage(from.height, to.height);
    const float area = static_cast<float>(from.width) / to.width * (static_cast<float>(from.height) / to.height);
    std::vector<float> sums(levelRow);
    for (int y = 0; y < to.height; ++y) {
        if (Cancelled(cancelled)) return {};
        std::fill(sums.begin(), sums.end(), 0.0f);
        const Coverage& c = rows[static_cast<size_t>(y)];
        for (size_t i = 0; i < c.weights.size(); ++i)
            ReduceRow(source + (c.first + i) * sourceRow, columns, c.weights[i], sums.data());
        WriteRow(sums.data(), to.width, area, outRow(y));
    }
    return level;
}

}  // namespace

int TextureSideFor(int outputSide) {
    // The overlay's share of the output, drawn from a texture of twice its size.
    constexpr double kDrawnShare = 0.16, kDetail = 2.0;
    if (outputSide <= 0) return kMaxTextureSide;
    return std::clamp(static_cast<int>(std::ceil(kDrawnShare * kDetail * outputSide)), 16, kMaxTextureSide);
}

PictureSize FitWithin(PictureSize size, int maxSide) {
    const int longer = std::max(size.width, size.height);
    if (longer <= maxSide) return size;
    const double scale = static_cast<double>(maxSide) / longer;
    auto fit = [&](int side) { return std::max(1, static_cast<int>(std::lround(side * scale))); };
    return {fit(size.width), fit(size.height)};
}

size_t ChainBytes(const MipChain& chain) {
    size_t bytes = 0;
    for (const MipLevel& level : chain) bytes += level.pixels.size();
    return bytes;
}

MipLevel ScaleTurnedOver(const uint8_t* source, PictureSize sourceSize, PictureSize size,
                         const std::atomic<bool>* cancelled) {
    return AreaScale(source, sourceSize, size, true, cancelled);
}

MipChain MakeMipChain(const uint8_t* source, PictureSize sourceSize, int maxSide, const std::atomic<bool>* cancelled) {
    MipChain chain;
    chain.push_back(ScaleTurnedOver(source, sourceSize, FitWithin(sourceSize, maxSide), cancelled));
    while (!chain.back().pixels.empty() && (chain.back().size.width > 1 || chain.back().size.height > 1)) {
        const MipLevel& above = chain.back();
        const PictureSize half{std::max(1, above.size.width / 2), std::max(1, above.size.height / 2)};
        chain.push_back(AreaScale(above.pixels.data(), above.size, half, false, cancelled));
    }
    if (chain.back().pixels.empty()) chain.clear();
    return chain;
}
