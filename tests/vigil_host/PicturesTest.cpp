#include <gtest/gtest.h>

#include "tools/hostcli/FrameStatistics.h"
#include "tools/hostcli/Picture.h"
#include "tools/hostcli/RenderSession.h"
#include "tools/hostcli/TestCard.h"

namespace {

std::vector<int> Rgb(const Picture& picture, int x, int y) {
    const uint8_t* pixel = picture.At(x, y);
    return {pixel[0], pixel[1], pixel[2], pixel[3]};
}

}  // namespace

TEST(Pictures, ThumbnailWordsUnpackHighByteFirst) {
    const Picture picture = PictureFromPackedWords(2, 1, {0xFF008040u, 0x000000FFu});
    EXPECT_EQ(Rgb(picture, 0, 0), (std::vector<int>{255, 0, 128, 64}));
    EXPECT_EQ(Rgb(picture, 1, 0), (std::vector<int>{0, 0, 0, 255}));
}

TEST(Pictures, ReadBackRowsAreTurnedTopDown) {
    const std::vector<uint8_t> bottomUp = {1, 1, 1, 1, 2, 2, 2, 2};  // 1x2: bottom row first
    const Picture picture = PictureFromBottomUpRows(1, 2, bottomUp);
    EXPECT_EQ(picture.At(0, 0)[0], 2);
    EXPECT_EQ(picture.At(0, 1)[0], 1);
}

TEST(Pictures, TestCardHasBarsRampsAndEdges) {
    const Picture card = MakeTestCard(640, 360);
    ASSERT_EQ(card.rgba.size(), 640u * 360 * 4);
    EXPECT_EQ(Rgb(card, 0, 100), (std::vector<int>{255, 255, 255, 255}));  // outer edge line
    EXPECT_EQ(Rgb(card, 1, 100), (std::vector<int>{0, 0, 0, 255}));        // inner edge line
    const int barRow = 40, barWidth = 80;
    const std::vector<std::vector<int>> bars = {{255, 255, 255, 255}, {255, 255, 0, 255}, {0, 255, 255, 255},
                                                {0, 255, 0, 255},     {255, 0, 255, 255}, {255, 0, 0, 255},
                                                {0, 0, 255, 255},     {0, 0, 0, 255}};
    for (int bar = 0; bar < 8; ++bar) EXPECT_EQ(Rgb(card, bar * barWidth + barWidth / 2, barRow), bars[bar]) << bar;
    // The grey ramp rises from black to white and stays grey.
    const int greyRow = 320;
    int previous = -1;
    for (int x = 2; x < 638; x += 7) {
        const std::vector<int> pixel = Rgb(card, x, greyRow);
        EXPECT_EQ(pixel[0], pixel[1]);
        EXPECT_EQ(pixel[1], pixel[2]);
        EXPECT_GE(pixel[0], previous);
        previous = pixel[0];
    }
    EXPECT_LT(Rgb(card, 2, greyRow)[0], 5);
    EXPECT_GT(Rgb(card, 637, greyRow)[0], 250);
}

TEST(Pictures, PaddingAlwaysExceedsThePicture) {
    EXPECT_EQ(PaddedSide(1280), 2048);
    EXPECT_EQ(PaddedSide(720), 1024);
    EXPECT_EQ(PaddedSide(1024), 2048);
    EXPECT_EQ(PaddedSide(1), 2);
}

TEST(FrameStatistics, MedianMinimumMaximum) {
    const FrameStatistics odd = Summarise({3.0, 1.0, 2.0});
    EXPECT_EQ(odd.median, 2.0);
    EXPECT_EQ(odd.minimum, 1.0);
    EXPECT_EQ(odd.maximum, 3.0);
    EXPECT_EQ(Summarise({4.0, 1.0, 2.0, 3.0}).median, 2.5);
    EXPECT_EQ(Summarise({}).maximum, 0.0);
}
