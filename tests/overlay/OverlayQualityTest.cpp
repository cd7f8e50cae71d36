// The overlay at full HD, as a show would draw it: fine detail is filtered, not aliased.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "tests/overlay/OverlayGlFixture.h"

using namespace overlay_test;

namespace {

constexpr int kPlate = 4096;

// Grey rings whose frequency rises from the centre to half a cycle per pixel at the edges.
Picture ZonePlate() {
    Picture plate{kPlate, kPlate, std::vector<Rgba>(size_t{kPlate} * kPlate)};
    for (int y = 0; y < kPlate; ++y)
        for (int x = 0; x < kPlate; ++x) {
            const double dx = x - kPlate / 2.0 + 0.5, dy = y - kPlate / 2.0 + 0.5;
            const auto grey =
                static_cast<uint8_t>(std::lround(127.5 + 127.5 * std::cos(M_PI * (dx * dx + dy * dy) / kPlate)));
            plate.pixels[size_t(y) * kPlate + x] = {grey, grey, grey, 255};
        }
    return plate;
}

double Lanczos3(double x) {
    if (x == 0.0) return 1.0;
    if (std::fabs(x) >= 3.0) return 0.0;
    return 3.0 * std::sin(M_PI * x) * std::sin(M_PI * x / 3.0) / (M_PI * M_PI * x * x);
}

// Weights of the picture's pixels for an output sample at `centre` (in picture pixels),
// the kernel stretched by `scale` picture pixels per output pixel.
std::vector<std::pair<int, double>> Taps(double centre, double scale) {
    std::vector<std::pair<int, double>> taps;
    double total = 0.0;
    for (int i = static_cast<int>(centre - 3 * scale); i <= static_cast<int>(centre + 3 * scale) + 1; ++i) {
        if (i < 0 || i >= kPlate) continue;
        const double weight = Lanczos3((i + 0.5 - centre) / scale);
        taps.emplace_back(i, weight);
        total += weight;
    }
    for (auto& tap : taps) tap.second /= total;
    return taps;
}

class OverlayAtFullHd : public OverlayRender {
protected:
    OverlayAtFullHd() { targetWidth = 1920, targetHeight = 1080; }
};

}  // namespace

TEST_F(OverlayAtFullHd, ZonePlateComesCloseToAnExactLanczosDownscale) {
    const Picture plate = ZonePlate();
    Show(folder.Write("zone.bmp", EncodeBmp(plate)));
    const Pixels drawn = Read();
    // A square picture spans 0.16 of the width and 0.16 of the height, centred.
    const double left = 0.42 * 1920, bottom = 0.42 * 1080, width = 0.16 * 1920, height = 0.16 * 1080;
    double squares = 0.0;
    int count = 0;
    for (int py = static_cast<int>(bottom) + 2; py < static_cast<int>(bottom + height) - 2; ++py) {
        // Rows of the file run from the top; output rows from the bottom.
        const double v = (1.0 - (py + 0.5 - bottom) / height) * kPlate;
        const auto rows = Taps(v, kPlate / height);
        std::vector<double> filtered(kPlate, 0.0);
        for (const auto& [row, weight] : rows)
            for (int x = 0; x < kPlate; ++x) filtered[x] += weight * plate.pixels[size_t(row) * kPlate + x].r;
        for (int px = static_cast<int>(left) + 2; px < static_cast<int>(left + width) - 2; ++px) {
            double expected = 0.0;
            for (const auto& [column, weight] : Taps((px + 0.5 - left) / width * kPlate, kPlate / width))
                expected += weight * filtered[column];
            const double error = drawn.PixelAt(px, py).r - std::clamp(expected, 0.0, 255.0);
            squares += error * error;
            ++count;
        }
    }
    const double psnr = 10.0 * std::log10(255.0 * 255.0 / (squares / count));
    RecordProperty("psnr_db", std::to_string(psnr));
    std::printf("zone plate at 1920x1080: %.1f dB against Lanczos-3\n", psnr);
    EXPECT_GE(psnr, 34.0);
}
