// vigil-host gallery on the real plug-in and on another FFGL plug-in.
#include <gtest/gtest.h>

#include <cstring>

#include "HostProcess.h"
#include "tools/hostcli/ContactSheet.h"
#include "tools/hostcli/PictureLoad.h"

namespace {

Picture Load(const std::string& path) {
    Picture picture;
    std::string error;
    EXPECT_TRUE(LoadPicture(path, &picture, &error)) << error;
    return picture;
}

// Whether the sheet holds the picture, pixel for pixel, with its top-left corner at origin.
bool Holds(const Picture& sheet, const Picture& picture, SheetPoint origin) {
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            if (std::memcmp(sheet.At(origin.x + x, origin.y + y), picture.At(x, y), 4) != 0) return false;
    return true;
}

}  // namespace

// Each tile is the frame `render` draws with the same value, settings and frame count.
TEST(GalleryCommand, TilesAreTheFramesThePluginDrawsForEachValue) {
    const auto directory = ScratchDirectory("gallery");
    const std::string sheetPath = (directory / "sheet.png").string();
    const std::vector<std::string> common = {"--size", "64x36", "--frames", "3", "--set", "Show Info=off"};
    std::vector<std::string> arguments = {"gallery",    VIGIL_PLUGIN_PATH, "--parameter",
                                          "color mode", "--output",        sheetPath};
    arguments.insert(arguments.end(), common.begin(), common.end());
    const HostRun run = RunHost(arguments);
    ASSERT_EQ(run.status, 0) << run.err;
    const Picture sheet = Load(sheetPath);
    const std::vector<GalleryFrame> frames = {{0, 0, "Color Mode", "Normal"},
                                              {0, 1, "Color Mode", "Night Vision"},
                                              {0, 2, "Color Mode", "Thermal"},
                                              {0, 3, "Color Mode", "Negative"}};
    const SheetLayout layout = LayOutSheet(frames, 64, 36);
    ASSERT_EQ(sheet.width, layout.width);
    ASSERT_EQ(sheet.height, layout.height);
    for (size_t i = 0; i < frames.size(); ++i) {
        const std::string framePath = (directory / ("frame" + std::to_string(i) + ".png")).string();
        std::vector<std::string> render = {"render",   VIGIL_PLUGIN_PATH, "--set", "Color Mode=" + frames[i].valueText,
                                           "--output", framePath};
        render.insert(render.end(), common.begin(), common.end());
        ASSERT_EQ(RunHost(render).status, 0);
        EXPECT_TRUE(Holds(sheet, Load(framePath), layout.frameOrigins[i])) << frames[i].valueText;
    }
}

// A plug-in that is not ours: five steps of its number, both elements of its option, no
// file; its frames are its clear colour.
TEST(GalleryCommand, ShowsAnyPlugin) {
    const std::string path = (ScratchDirectory("gallery-other") / "sheet.png").string();
    const HostRun run =
        RunHost({"gallery", VIGIL_PLANTED_FAULT_PLUGIN, "--size", "32x16", "--frames", "1", "--output", path});
    ASSERT_EQ(run.status, 0) << run.err;
    const Picture sheet = Load(path);
    std::vector<GalleryFrame> frames(5, GalleryFrame{0, 0, "Level", ""});
    frames.resize(7, GalleryFrame{1, 0, "Mode", ""});
    const SheetLayout layout = LayOutSheet(frames, 32, 16);
    ASSERT_EQ(sheet.width, layout.width);
    ASSERT_EQ(sheet.height, layout.height);
    const uint8_t* pixel = sheet.At(layout.frameOrigins[6].x + 5, layout.frameOrigins[6].y + 5);
    EXPECT_EQ(pixel[0], 64);
    EXPECT_EQ(pixel[1], 128);
    EXPECT_EQ(pixel[2], 191);
}

TEST(GalleryCommand, RefusesWhatItCannotShow) {
    const std::string path = (ScratchDirectory("gallery-refusal") / "sheet.png").string();
    HostRun run = RunHost({"gallery", VIGIL_PLUGIN_PATH, "--parameter", "Overlay Image", "--output", path});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("\"Overlay Image\" (file) has no values to show"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(path));
    run = RunHost({"gallery", VIGIL_PLUGIN_PATH});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("gallery needs --output SHEET.png"), std::string::npos) << run.err;
}
