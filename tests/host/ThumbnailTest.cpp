// The preview picture as the host receives it through code 42.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "tests/support/HostedPlugin.h"

using namespace ffgl;

namespace {

constexpr uint32_t Rgba(uint32_t r, uint32_t g, uint32_t b, uint32_t a) { return r << 24 | g << 16 | b << 8 | a; }

constexpr uint32_t kBlack = Rgba(0, 0, 0, 255);
constexpr uint32_t kMagenta = Rgba(255, 0, 128, 255);
constexpr uint32_t kGreen = Rgba(57, 255, 20, 255);
constexpr uint32_t kRed = Rgba(255, 0, 0, 255);
constexpr uint32_t kGrey = Rgba(80, 80, 80, 255);

class Thumbnail : public LoadedPlugin {
protected:
    void SetUp() override {
        ThumbnailQueryRecord query{0, 0, pixels.data()};
        ASSERT_EQ(CallWith(kGetThumbnail, &query), kSuccess);
        ASSERT_EQ(query.width, 160u);
        ASSERT_EQ(query.height, 120u);
    }
    uint32_t At(int x, int y) const { return pixels[y * 160 + x]; }
    long Count(uint32_t colour) const { return std::count(pixels.begin(), pixels.end(), colour); }

    std::vector<uint32_t> pixels = std::vector<uint32_t>(size_t{160} * 120, 0xDEADBEEF);
};

TEST_F(Thumbnail, SizeOnlyWithoutABuffer) {
    ThumbnailQueryRecord query{0, 0, nullptr};
    EXPECT_EQ(CallWith(kGetThumbnail, &query), kSuccess);
    EXPECT_EQ(query.width, 160u);
    EXPECT_EQ(query.height, 120u);
}

TEST_F(Thumbnail, PixelsArePackedRgbaInNativeOrder) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(pixels.data());
    EXPECT_EQ(bytes[0], 255);
    EXPECT_EQ(bytes[1] | bytes[2] | bytes[3], 0);
    EXPECT_EQ(At(0, 0), kBlack);
    EXPECT_EQ(At(159, 119), kBlack);
}

TEST_F(Thumbnail, ScanLineRowWithCrosshair) {
    for (int x = 0; x < 160; ++x) {
        uint32_t expected = kBlack;
        if (x >= 14 && x <= 145) {
            const float fade = 1.0f - static_cast<float>(std::abs(x - 80)) / 66.0f;
            expected = Rgba(255, 0, 128, static_cast<uint32_t>(fade * 255.0f));
        }
        if (x >= 76 && x <= 84) expected = kGreen;
        EXPECT_EQ(At(x, 60), expected) << "x " << x;
    }
    EXPECT_EQ(At(70, 60), Rgba(255, 0, 128, 216));
    EXPECT_EQ(At(145, 60), Rgba(255, 0, 128, 3));
    for (int y = 56; y <= 64; ++y) EXPECT_EQ(At(80, y), kGreen) << "y " << y;
    EXPECT_EQ(At(80, 55), kBlack);
}

TEST_F(Thumbnail, RecordingDotIsADiscOf29Pixels) {
    EXPECT_EQ(Count(kRed), 29);
    for (auto [x, y] : {std::pair{140, 13}, {143, 16}, {137, 16}, {140, 19}, {142, 14}, {140, 16}})
        EXPECT_EQ(At(x, y), kRed) << x << "," << y;
    EXPECT_EQ(At(143, 15), kBlack);
}

TEST_F(Thumbnail, BracketArmsAndCaptionBars) {
    // Every arm is length + 1 pixels; the two arms of a corner share its pixel.
    EXPECT_EQ(Count(kMagenta), 4 * (19 + 19 - 1));
    EXPECT_EQ(Count(kGreen), 4 * (11 + 11 - 1) + (9 + 9 - 1));
    EXPECT_EQ(Count(kGrey), 47 + 46);
    for (int x = 12; x <= 30; ++x) EXPECT_EQ(At(x, 10), kMagenta) << x;
    EXPECT_EQ(At(31, 10), kBlack);
    for (int y = 91; y <= 109; ++y) EXPECT_EQ(At(147, y), kMagenta) << y;
    EXPECT_EQ(At(147, 90), kBlack);
    for (int x = 104; x <= 114; ++x) EXPECT_EQ(At(x, 89), kGreen) << x;
    EXPECT_EQ(At(103, 89), kBlack);
    EXPECT_EQ(At(14, 103), kGrey);
    EXPECT_EQ(At(61, 103), kBlack);
    EXPECT_EQ(At(145, 103), kGrey);
}

}  // namespace
