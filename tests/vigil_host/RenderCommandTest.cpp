// Renders through the real plug-in in a real GL context; vigil-host makes its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "HostProcess.h"
#include "tools/hostcli/PictureLoad.h"
#include "tools/hostcli/PictureWrite.h"

namespace {

Picture LoadOutput(const std::string& path) {
    Picture picture;
    std::string error;
    EXPECT_TRUE(LoadPicture(path, &picture, &error)) << error;
    return picture;
}

// A frame that shows anything at all has more than one colour.
bool HasVariety(const Picture& picture) {
    for (size_t i = 4; i < picture.rgba.size(); i += 4)
        if (std::memcmp(picture.rgba.data(), picture.rgba.data() + i, 3) != 0) return true;
    return false;
}

}  // namespace

TEST(RenderCommand, WritesAFrameOfTheRequestedSize) {
    const auto path = (ScratchDirectory("render") / "frame.png").string();
    const HostRun run = RunHost({"render", VIGIL_PLUGIN_PATH, "--size", "320x180", "--frames", "2", "--set",
                                 "Color Mode=Thermal", "--set", "Show Info=off", "--pad", "--output", path});
    ASSERT_EQ(run.status, 0) << run.err;
    const Picture picture = LoadOutput(path);
    EXPECT_EQ(picture.width, 320);
    EXPECT_EQ(picture.height, 180);
    EXPECT_TRUE(HasVariety(picture));
    EXPECT_NE(run.err.find("ZaqVigilomatronic.so: "), std::string::npos) << "the plug-in's log lines, named";
}

// The plug-in must sample only the picture's corner of a larger texture: the padding is
// loud magenta, so any sampling beyond the picture changes the frame.
TEST(RenderCommand, PaddedInputRendersLikeAnExactOne) {
    const auto directory = ScratchDirectory("padding");
    std::vector<Picture> frames;
    for (const bool pad : {false, true}) {
        const std::string path = (directory / (pad ? "padded.png" : "exact.png")).string();
        std::vector<std::string> arguments = {
            "render", VIGIL_PLUGIN_PATH, "--size",   "200x120", "--set", "Color Mode=Thermal",
            "--set",  "Show Info=off",   "--output", path};
        if (pad) arguments.push_back("--pad");
        const HostRun run = RunHost(arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        frames.push_back(LoadOutput(path));
    }
    ASSERT_EQ(frames[0].rgba.size(), frames[1].rgba.size());
    int worst = 0;
    for (size_t i = 0; i < frames[0].rgba.size(); ++i)
        worst = std::max(worst, std::abs(frames[0].rgba[i] - frames[1].rgba[i]));
    EXPECT_LE(worst, 2);
}

// The picture loads on the plug-in's own thread; render waits for it, uncounted.
TEST(RenderCommand, AnOverlayPictureIsInTheOneFrameRendered) {
    const auto directory = ScratchDirectory("overlay");
    const std::string picture = (directory / "red.png").string(), out = (directory / "frame.png").string();
    const std::vector<uint8_t> red = {255, 0, 0, 255};
    std::vector<uint8_t> pixels;
    for (int i = 0; i < 64 * 64; ++i) pixels.insert(pixels.end(), red.begin(), red.end());
    std::string error;
    ASSERT_TRUE(WritePng(picture, 64, 64, pixels.data(), &error)) << error;
    const HostRun run = RunHost({"render", VIGIL_PLUGIN_PATH, "--size", "200x200", "--input", picture, "--set",
                                 "Overlay Image=" + picture, "--set", "Color Mode=Negative", "--output", out});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("Loaded overlay: 64x64"), std::string::npos) << run.err;
    const Picture frame = LoadOutput(out);
    const uint8_t* centre = frame.At(100, 100);
    EXPECT_EQ(centre[0], 255);  // the overlay, not the negative input around it (cyan)
    EXPECT_EQ(centre[1], 0);
}

TEST(RenderCommand, APatternNameWritesEveryFrame) {
    const auto directory = ScratchDirectory("sequence");
    const HostRun run = RunHost({"render", VIGIL_PLUGIN_PATH, "--size", "96x64", "--frames", "3", "--output",
                                 (directory / "frame_%02d.png").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* name : {"frame_01.png", "frame_02.png", "frame_03.png"})
        EXPECT_EQ(LoadOutput((directory / name).string()).width, 96) << name;
    EXPECT_FALSE(std::filesystem::exists(directory / "frame_04.png"));
}

TEST(RenderCommand, UnknownSettingsListWhatIsValid) {
    const std::string out = (ScratchDirectory("settings") / "out.png").string();
    const HostRun name = RunHost({"render", VIGIL_PLUGIN_PATH, "--set", "Colour Mood=Thermal", "--output", out});
    EXPECT_NE(name.status, 0);
    EXPECT_NE(name.err.find("unknown parameter \"Colour Mood\""), std::string::npos) << name.err;
    for (const char* valid : {"\"Color Mode\"", "\"Scan Line\"", "\"Overlay Image\"", "\"Hue Shift\""})
        EXPECT_NE(name.err.find(valid), std::string::npos) << valid;

    const HostRun value = RunHost({"render", VIGIL_PLUGIN_PATH, "--set", "Grid=Hexagons", "--output", out});
    EXPECT_NE(value.status, 0);
    EXPECT_NE(value.err.find("Off (0), Square (1), Thirds (2), Radial (3)"), std::string::npos) << value.err;

    const HostRun flag = RunHost({"render", VIGIL_PLUGIN_PATH, "--set", "Corners=maybe", "--output", out});
    EXPECT_NE(flag.status, 0);
    EXPECT_NE(flag.err.find("on, off"), std::string::npos) << flag.err;
    EXPECT_FALSE(std::filesystem::exists(out));
}

// Without DISPLAY the host runs itself again under xvfb-run.
TEST(RenderCommand, FindsADisplayOfItsOwn) {
    const auto path = (ScratchDirectory("no-display") / "frame.png").string();
    const HostRun run = RunHost({"render", VIGIL_PLUGIN_PATH, "--size", "64x48", "--output", path}, true);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(LoadOutput(path).height, 48);
}

TEST(BenchCommand, ComparesAgainstABaseline) {
    const HostRun run = RunHost({"bench", VIGIL_PLUGIN_PATH, "--size", "64x48", "--frames", "3", "--warmup", "1",
                                 "--set", "Noise=0.5", "--baseline", "Noise=0"});
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* row : {"median ms/frame", "minimum ms/frame", "maximum ms/frame", "median CPU ms/frame",
                            "draw calls/frame", "ratio of medians"})
        EXPECT_NE(run.out.find(row), std::string::npos) << row << "\n" << run.out;
}
