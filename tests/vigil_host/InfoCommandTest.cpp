#include <gtest/gtest.h>

#include "HostProcess.h"

TEST(InfoCommand, DescribesThePluginAndItsElevenParameters) {
    const HostRun run = RunHost({"info", VIGIL_PLUGIN_PATH});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("ZQ01"), std::string::npos);
    EXPECT_NE(run.out.find("ZAQ Vigilomatron\n"), std::string::npos) << "the name field holds 16 bytes";
    EXPECT_NE(run.out.find("API version   2.1"), std::string::npos);
    EXPECT_NE(run.out.find("Quillfen Studios"), std::string::npos);
    EXPECT_NE(run.out.find("time 1, minimum inputs 1, maximum inputs 1, top-left orientation 0"), std::string::npos);
    for (const char* name : {"Color Mode", "HUD Opacity", "Crosshair", "Corners", "Scan Line", "Grid", "Show Info",
                             "Noise", "Glitch", "Overlay Image", "Hue Shift"})
        EXPECT_NE(run.out.find(name), std::string::npos) << name;
    EXPECT_NE(run.out.find("Normal=0, Night Vision=1, Thermal=2, Negative=3"), std::string::npos);
    EXPECT_NE(run.out.find("png jpg jpeg bmp tga gif"), std::string::npos);
}
