#include <gtest/gtest.h>

#include <filesystem>

#include "tools/commands/CommandTable.h"
#include "tools/hostcli/CommandLine.h"
#include "tools/hostcli/ExitStatus.h"
#include "tools/hostcli/FramePath.h"

namespace {

bool Parse(const std::vector<std::string>& arguments, HostOptions* options, std::string* error) {
    return ParseCommandLine(arguments, Commands(), options, error);
}

}  // namespace

TEST(CommandLine, RenderTakesEveryOptionInBothSpellings) {
    HostOptions options;
    std::string error;
    ASSERT_TRUE(Parse({"render", "lib.so", "--input", "in.jpg", "--size=640x360", "--frames", "5", "--set",
                       "Grid=Thirds", "--set=Show Info=on", "--pad", "--forward-compatible", "--output", "out.png"},
                      &options, &error))
        << error;
    EXPECT_EQ(options.library, "lib.so");
    EXPECT_EQ(options.input, "in.jpg");
    EXPECT_EQ(options.width, 640);
    EXPECT_EQ(options.height, 360);
    EXPECT_EQ(options.frames, 5);
    EXPECT_TRUE(options.pad);
    EXPECT_TRUE(options.forwardCompatible);
    EXPECT_EQ(options.settings, (std::vector<std::string>{"Grid=Thirds", "Show Info=on"}));
    EXPECT_EQ(options.output, "out.png");
}

TEST(CommandLine, DefaultsDependOnTheCommand) {
    HostOptions render, bench, gallery;
    std::string error;
    ASSERT_TRUE(Parse({"render", "lib.so", "--output", "o.png"}, &render, &error));
    ASSERT_TRUE(Parse({"bench", "lib.so", "--baseline", "Noise=0"}, &bench, &error));
    ASSERT_TRUE(Parse({"gallery", "lib.so", "--output", "s.png", "--parameter", "Grid"}, &gallery, &error));
    EXPECT_EQ(render.input, "testcard");
    EXPECT_EQ(render.width, 1280);
    EXPECT_EQ(render.height, 720);
    EXPECT_EQ(render.frames, 1);
    EXPECT_EQ(bench.frames, 300);
    EXPECT_EQ(bench.warmupFrames, 30);
    EXPECT_EQ(bench.baseline.size(), 1u);
    EXPECT_EQ(gallery.width, 320);
    EXPECT_EQ(gallery.height, 180);
    EXPECT_EQ(gallery.frames, 30);
    EXPECT_EQ(gallery.parameter, "Grid");
}

TEST(CommandLine, RefusesWhatNoCommandCanRunWith) {
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"paint", "lib.so"},
        {"thumbnail", "lib.so"},
        {"render", "lib.so"},
        {"render", "lib.so", "--output"},
        {"render", "lib.so", "--size", "12x", "--output", "o.png"},
        {"render", "lib.so", "--size", "-3x4", "--output", "o.png"},
        {"render", "lib.so", "--size", "99999x4", "--output", "o.png"},
        {"render", "lib.so", "--frames", "0", "--output", "o.png"},
        {"render", "lib.so", "--frames", "2x", "--output", "o.png"},
        {"render", "lib.so", "--baseline", "Noise=0", "--output", "o.png"},
        {"info", "lib.so", "--pad"},
        {"render", "lib.so", "stray", "--output", "o.png"},
    };
    for (const auto& arguments : wrong) {
        HostOptions options;
        std::string error;
        EXPECT_FALSE(Parse(arguments, &options, &error)) << (arguments.empty() ? "" : arguments[0]);
        EXPECT_FALSE(error.empty());
    }
}

TEST(CommandLine, ANameThatIsNoCommandRunsNothing) {
    HostOptions options;
    options.command = "paint";
    options.output = (std::filesystem::temp_directory_path() / "vigil-host-paint.png").string();
    std::filesystem::remove(options.output);
    testing::internal::CaptureStderr();
    EXPECT_EQ(RunCommand(options), kExitUsage);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("unknown command \"paint\""), std::string::npos) << err;
    EXPECT_NE(err.find(UsageText()), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(options.output));
}

TEST(FramePath, OnlyOneFrameNumberReachesTheFormat) {
    FramePath path;
    std::string error;
    ASSERT_TRUE(path.Parse("out/frame_%04d.png", &error));
    EXPECT_TRUE(path.everyFrame);
    EXPECT_EQ(path.ForFrame(7), "out/frame_0007.png");
    ASSERT_TRUE(path.Parse("out/100%%_%d.png", &error));
    EXPECT_EQ(path.ForFrame(12), "out/100%_12.png");
    ASSERT_TRUE(path.Parse("out/demo.png", &error));
    EXPECT_FALSE(path.everyFrame);
    EXPECT_EQ(path.ForFrame(3), "out/demo.png");
    for (const char* unsafe : {"%s.png", "%n.png", "%d_%d.png", "%.png", "50%", "%999999d.png", "%ld.png"})
        EXPECT_FALSE(path.Parse(unsafe, &error)) << unsafe;
}

TEST(CommandLine, VideoOptionsHelpAndTheirConflicts) {
    HostOptions options;
    std::string error;
    ASSERT_TRUE(Parse({"render", "lib.so", "--input", "clip.mp4", "--fps", "30000/1001", "--start", "1.5", "--duration",
                       "2", "--format", "webm", "--quiet", "--output", "-"},
                      &options, &error))
        << error;
    EXPECT_DOUBLE_EQ(options.rate.Value(), 30000.0 / 1001.0);
    EXPECT_DOUBLE_EQ(options.start, 1.5);
    EXPECT_DOUBLE_EQ(options.duration, 2.0);
    EXPECT_TRUE(options.quiet);
    HostOptions help;
    ASSERT_TRUE(Parse({"play", "lib.so", "--help"}, &help, &error));
    EXPECT_EQ(help.command, "help");
    EXPECT_EQ(help.helpTopic, "play");
    for (const auto& wrong : std::vector<std::vector<std::string>>{
             {"render", "lib.so", "--frames", "3", "--duration", "1", "--output", "o.mp4"},
             {"render", "lib.so", "--fps", "0", "--output", "o.mp4"},
             {"render", "lib.so", "--duration", "-1", "--output", "o.mp4"},
             {"info", "lib.so", "--quiet"},
             {"help", "render", "bench"}}) {
        HostOptions refused;
        EXPECT_FALSE(Parse(wrong, &refused, &error)) << wrong[2];
    }
}
