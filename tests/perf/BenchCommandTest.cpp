// vigil-host bench as a user runs it: the plug-in's frame beside a plain texture copy,
// and the draw calls it counts for the batched HUD. Figures are printed, never judged.
#include <string>

#include "tests/overlay/PictureFiles.h"
#include "tests/vigil_host/HostProcess.h"

namespace {

std::string Row(const std::string& out, const std::string& label) {
    const size_t at = out.find(label);
    return at == std::string::npos ? std::string() : out.substr(at, out.find('\n', at) - at);
}

TEST(BenchAgainstCopy, ComparesTheFrameWithAPlainCopyOfTheInput) {
    const HostRun run = RunHost({"bench", VIGIL_PLUGIN_PATH, "--size", "160x90", "--frames", "3", "--warmup", "1",
                                 "--copy-baseline", "--set", "Corners=off", "--set", "Show Info=off"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("plain copy"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("ratio of medians"), std::string::npos) << run.out;
    // The processing pass alone: one draw, and one for the copy.
    EXPECT_NE(Row(run.out, "draw calls/frame").find("1.000        1.000"), std::string::npos) << run.out;
}

TEST(BenchAgainstCopy, CountsAFewDrawsForAFullHud) {
    const HostRun run = RunHost({"bench", VIGIL_PLUGIN_PATH, "--size", "160x90", "--frames", "2", "--warmup", "0",
                                 "--set", "Crosshair=Tactical", "--set", "Grid=Radial", "--set", "Scan Line=Radar"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string row = Row(run.out, "draw calls/frame");
    ASSERT_FALSE(row.empty()) << run.out;
    EXPECT_LE(std::stod(row.substr(row.find_last_of(' ') + 1)), 32.0) << row;
}

// Instance creation timed, then one row per switch with the worst frame after it; a
// switch names a numeric parameter, and comes without a baseline.
TEST(BenchSwitchingSettings, TimesCreationAndTheFramesAfterEachSwitch) {
    const HostRun run = RunHost({"bench", VIGIL_PLUGIN_PATH, "--size", "160x90", "--frames", "2", "--warmup", "1",
                                 "--switch-to", "Color Mode=Thermal", "--switch-to", "Glitch=0.5"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("instance creation, 5 instances: CPU ms median"), std::string::npos) << run.out;
    EXPECT_FALSE(Row(run.out, "Color Mode=Thermal").empty()) << run.out;
    EXPECT_FALSE(Row(run.out, "Glitch=0.5").empty()) << run.out;
    EXPECT_FALSE(Row(run.out, "worst extra CPU ms of any frame").empty()) << run.out;
    EXPECT_NE(RunHost({"bench", VIGIL_PLUGIN_PATH, "--switch-to", "Glitch=0.5", "--copy-baseline"}).status, 0);
    EXPECT_NE(RunHost({"bench", VIGIL_PLUGIN_PATH, "--switch-to", "Overlay Image=x.png"}).status, 0);
}

// Figures after a "+" on a row of the bench's report, in MiB.
double Mebibytes(const std::string& row) {
    const size_t plus = row.find('+');
    return plus == std::string::npos ? -1.0 : std::stod(row.substr(plus + 1));
}

// The decode of an 8192 x 8192 picture holds over 500 MiB; once the picture shows, that peak
// is given back and what stays is a texture of the size drawn (keeping the decoded picture
// would keep half the peak). The bound is relative to the peak, because the driver's own
// memory beside it differs from machine to machine; the absolute figure is read from the
// bench. AddressSanitizer holds freed memory back on purpose, so there only the report counts.
TEST(BenchLoadingAnOverlay, AHugePngGivesBackTheDecodesPeak) {
    const auto file = ScratchDirectory("huge") / "huge.png";
    overlay_test::WriteFile(file.string(), overlay_test::SolidPng(8192, 8192, {0, 255, 0, 255}));
    const HostRun run = RunHost({"bench", VIGIL_PLUGIN_PATH, "--size", "1920x1080", "--warmup", "0", "--at-frame", "2",
                                 "--load-overlay", file.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("Loaded overlay: 8192x8192"), std::string::npos) << run.err;
    const double peak = Mebibytes(Row(run.out, "peak during the load"));
    [[maybe_unused]] const double steady = Mebibytes(Row(run.out, "steady"));
    ASSERT_GT(peak, 256.0) << run.out;
#ifndef __SANITIZE_ADDRESS__
    EXPECT_LT(steady, peak / 3) << run.out;
#endif
    EXPECT_FALSE(Row(run.out, "frames until the picture shows").empty()) << run.out;
}

TEST(BenchAgainstCopy, TakesOneBaselineNotTwo) {
    const HostRun run = RunHost({"bench", VIGIL_PLUGIN_PATH, "--copy-baseline", "--baseline", "Corners=off"}, true);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("not both"), std::string::npos) << run.err;
}

}  // namespace
