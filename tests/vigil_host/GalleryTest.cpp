// The gallery's pure parts: which frames a parameter table gives, where they go on the
// sheet, and the captions under them.
#include <gtest/gtest.h>

#include "abi/ffgl_abi.h"
#include "tools/hostcli/ContactSheet.h"

namespace {

std::vector<ParameterInfo> Table() {
    std::vector<ParameterInfo> table(5);
    table[0] = {0, "Mode", ffgl::kTypeOption, 0.0f, {}, 0.0f, 1.0f, {{"A", 0.0f}, {"B", 1.0f}, {"C", 2.0f}}, {}};
    table[1] = {1, "Level", ffgl::kTypeStandard, 0.5f, {}, 0.0f, 1.0f, {}, {}};
    table[2] = {2, "Picture", ffgl::kTypeFile, 0.0f, "", 0.0f, 1.0f, {}, {"png"}};
    table[3] = {3, "Lit", ffgl::kTypeBoolean, 1.0f, {}, 0.0f, 1.0f, {}, {}};
    table[4] = {4, "Size", ffgl::kTypeStandard, 4.0f, {}, 2.0f, 10.0f, {}, {}};
    return table;
}

std::vector<std::string> Captions(const std::vector<GalleryFrame>& frames) {
    std::vector<std::string> captions;
    captions.reserve(frames.size());
    for (const GalleryFrame& frame : frames)
        captions.push_back(frame.parameter + "=" + frame.valueText + "@" + NumberText(frame.value));
    return captions;
}

Picture Filled(int width, int height, uint8_t level) {
    return {width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height * 4, level)};
}

}  // namespace

TEST(GalleryPlan, EveryElementOnOffAndFiveStepsOfEachRangeInTableOrder) {
    std::vector<GalleryFrame> frames;
    std::string error;
    ASSERT_TRUE(PlanGallery(Table(), "", &frames, &error)) << error;
    EXPECT_EQ(Captions(frames),
              (std::vector<std::string>{"Mode=A@0", "Mode=B@1", "Mode=C@2", "Level=0@0", "Level=0.25@0.25",
                                        "Level=0.5@0.5", "Level=0.75@0.75", "Level=1@1", "Lit=off@0", "Lit=on@1",
                                        "Size=2@2", "Size=4@4", "Size=6@6", "Size=8@8", "Size=10@10"}));
    EXPECT_EQ(frames[4].index, 1u);
}

TEST(GalleryPlan, OneParameterByNameOrAClearRefusal) {
    std::vector<GalleryFrame> frames;
    std::string error;
    ASSERT_TRUE(PlanGallery(Table(), "lit", &frames, &error)) << error;
    EXPECT_EQ(Captions(frames), (std::vector<std::string>{"Lit=off@0", "Lit=on@1"}));
    EXPECT_FALSE(PlanGallery(Table(), "Hue", &frames, &error));
    EXPECT_NE(error.find("unknown parameter \"Hue\"; the parameters are: \"Mode\", \"Level\""), std::string::npos)
        << error;
    EXPECT_FALSE(PlanGallery(Table(), "Picture", &frames, &error));
    EXPECT_EQ(error,
              "\"Picture\" (file) has no values to show: the gallery shows option, on/off and number parameters");
    EXPECT_FALSE(PlanGallery({Table()[2]}, "", &frames, &error));
    EXPECT_EQ(error, "the plug-in has no option, on/off or number parameter to show");
}

// Each parameter starts a row; one with more values than columns goes on in the next.
TEST(ContactSheet, RowPerParameterWrappedAtFiveColumns) {
    std::vector<GalleryFrame> frames;
    frames.reserve(8);
    for (int i = 0; i < 7; ++i) frames.push_back({0, static_cast<float>(i), "Many", std::to_string(i)});
    frames.push_back({1, 0.0f, "Next", "0"});
    const SheetLayout layout = LayOutSheet(frames, 40, 30);
    const int tileWidth = 40 + kSheetGap, tileHeight = 30 + kSheetCaptionHeight + kSheetGap;
    EXPECT_EQ(layout.width, kSheetGap + 5 * tileWidth);
    EXPECT_EQ(layout.height, kSheetGap + 3 * tileHeight);
    EXPECT_EQ(layout.frameOrigins[4].x, kSheetGap + 4 * tileWidth);
    EXPECT_EQ(layout.frameOrigins[5].x, kSheetGap);
    EXPECT_EQ(layout.frameOrigins[5].y, kSheetGap + tileHeight);
    EXPECT_EQ(layout.frameOrigins[7].x, kSheetGap);
    EXPECT_EQ(layout.frameOrigins[7].y, kSheetGap + 2 * tileHeight);
}

// The frames land unchanged at their places, and the captions under them are lit.
TEST(ContactSheet, FramesPastedAndCaptioned) {
    const std::vector<GalleryFrame> frames = {{0, 0.0f, "Mode", "A"}, {0, 1.0f, "Mode", "B"}};
    const Picture sheet = ComposeSheet(frames, {Filled(48, 20, 200), Filled(48, 20, 100)});
    const SheetLayout layout = LayOutSheet(frames, 48, 20);
    ASSERT_EQ(sheet.width, layout.width);
    ASSERT_EQ(sheet.height, layout.height);
    for (size_t i = 0; i < frames.size(); ++i) {
        const SheetPoint origin = layout.frameOrigins[i];
        EXPECT_EQ(sheet.At(origin.x, origin.y)[0], i == 0 ? 200 : 100);
        EXPECT_EQ(sheet.At(origin.x + 47, origin.y + 19)[1], i == 0 ? 200 : 100);
        int lit = 0;  // pixels brighter than the background in the two caption lines
        for (int y = origin.y + 20; y < origin.y + 20 + kSheetCaptionHeight; ++y)
            for (int x = origin.x; x < origin.x + 48; ++x) lit += sheet.At(x, y)[0] > 100 ? 1 : 0;
        EXPECT_GT(lit, 20) << "caption of frame " << i;
    }
}

TEST(CaptionText, CutToWidthAndAsciiOnly) {
    EXPECT_EQ(FitCaption("Night Vision", 12 * kCaptionCharacterWidth), "Night Vision");
    EXPECT_EQ(FitCaption("Night Vision", 8 * kCaptionCharacterWidth), "Night ..");
    EXPECT_EQ(CaptionCharacters("Gr\xC3\xBCn \xE2\x80\x94 1"), "Gr?n ? 1");
}
