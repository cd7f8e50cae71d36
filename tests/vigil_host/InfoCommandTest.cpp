#include <gtest/gtest.h>

#include "HostProcess.h"
#include "VigilVersion.h"

TEST(InfoCommand, DescribesThePluginAndItsElevenParameters) {
    const HostRun run = RunHost({"info", VIGIL_PLUGIN_PATH});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("ZQ01"), std::string::npos);
    EXPECT_NE(run.out.find("ZAQ Vigilomatron\n"), std::string::npos) << "the name field holds 16 bytes";
    EXPECT_NE(run.out.find("API version   2.1"), std::string::npos);
    EXPECT_NE(run.out.find("Quillfen Studios"), std::string::npos);
    // The plug-in's own version is the project's, as the release and vigil-host --version give it.
    EXPECT_NE(run.out.find("Version       " + std::to_string(VIGIL_VERSION_MAJOR) + "." +
                           std::to_string(VIGIL_VERSION_MINOR) + "\n"),
              std::string::npos);
    EXPECT_NE(run.out.find("time 1, minimum inputs 1, maximum inputs 1, top-left orientation 0"), std::string::npos);
    for (const char* name : {"Color Mode", "HUD Opacity", "Crosshair", "Corners", "Scan Line", "Grid", "Show Info",
                             "Noise", "Glitch", "Overlay Image", "Hue Shift"})
        EXPECT_NE(run.out.find(name), std::string::npos) << name;
    EXPECT_NE(run.out.find("Normal=0, Night Vision=1, Thermal=2, Negative=3"), std::string::npos);
    EXPECT_NE(run.out.find("png jpg jpeg bmp tga gif"), std::string::npos);
}

// For scripts: JSON that jq reads, and a library named without a folder found where the user is.
TEST(InfoCommand, JsonForScriptsFromABareLibraryName) {
    const std::filesystem::path library(VIGIL_PLUGIN_PATH);
    const std::string folder = library.parent_path().string();
    const HostRun run =
        RunHost({"info", library.filename().string(), "--json"}, false, [folder] { (void)!chdir(folder.c_str()); });
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string file = (ScratchDirectory("json") / "info.json").string();
    std::ofstream(file) << run.out;
    EXPECT_EQ(ShellOutput("jq -r '.identifier, (.parameters | length), .parameters[0].options[2].name' " + file),
              "ZQ01\n11\nThermal\n");
}

TEST(HelpCommand, EveryCommandExplainsItself) {
    for (const char* command : {"info", "thumbnail", "render", "play", "bench", "font-sheet", "gallery"}) {
        const HostRun asked = RunHost({"help", command}), flag = RunHost({command, "--help"});
        EXPECT_EQ(asked.status, 0) << command;
        EXPECT_EQ(asked.out, flag.out) << command;
        EXPECT_NE(asked.out.find(std::string("usage: vigil-host ") + command), std::string::npos) << asked.out;
    }
    EXPECT_EQ(RunHost({"--version"}).out, "vigil-host " VIGIL_VERSION "\n");
    EXPECT_EQ(RunHost({"help", "paint"}).status, 2);
}
