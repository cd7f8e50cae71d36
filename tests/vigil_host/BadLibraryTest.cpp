// Whatever file the user names, the host answers with a message and a failing status.
#include <gtest/gtest.h>

#include <fstream>

#include "HostProcess.h"

namespace {

void ExpectRefused(const HostRun& run, const std::string& expectedText) {
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("vigil-host: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(expectedText), std::string::npos) << run.err;
}

}  // namespace

TEST(BadLibrary, MissingTextAndEntrylessFilesAreRefused) {
    const auto directory = ScratchDirectory("bad-library");
    const std::string textFile = (directory / "notes.txt").string();
    std::ofstream(textFile) << "not a library\n";
    const std::string missing = (directory / "missing.so").string();
    for (const char* command : {"info", "thumbnail"}) {
        std::vector<std::string> extra;
        if (std::string(command) == "thumbnail") extra.push_back((directory / "out.png").string());
        auto arguments = [&](const std::string& library) {
            std::vector<std::string> all = {command, library};
            all.insert(all.end(), extra.begin(), extra.end());
            return all;
        };
        ExpectRefused(RunHost(arguments(missing)), "missing.so");
        ExpectRefused(RunHost(arguments(textFile)), "notes.txt");
        ExpectRefused(RunHost(arguments(VIGIL_NO_ENTRY_LIBRARY)), "exports no plugMain");
    }
    EXPECT_FALSE(std::filesystem::exists(directory / "out.png"));
}

TEST(BadLibrary, APluginThatRefusesAnInstanceFailsTheRender) {
    const auto directory = ScratchDirectory("refusing");
    const HostRun run =
        RunHost({"render", VIGIL_REFUSING_PLUGIN, "--size", "64x48", "--output", (directory / "out.png").string()});
    ExpectRefused(run, "refused to create an instance (function code 18)");
    EXPECT_NE(run.err.find("vigil_refusing_plugin.so: no instances here\n"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(directory / "out.png"));
}

TEST(BadLibrary, APluginWithoutThumbnailIsReported) {
    const auto directory = ScratchDirectory("no-thumbnail");
    ExpectRefused(RunHost({"thumbnail", VIGIL_REFUSING_PLUGIN, (directory / "out.png").string()}), "no thumbnail");
}

TEST(BadLibrary, CommandLineMistakesAreUsageErrors) {
    EXPECT_EQ(RunHost({}).status, 2);
    EXPECT_EQ(RunHost({"paint", VIGIL_PLUGIN_PATH}).status, 2);
    EXPECT_EQ(RunHost({"render", VIGIL_PLUGIN_PATH}).status, 2) << "render needs --output";
    const HostRun run = RunHost({"render", VIGIL_PLUGIN_PATH, "--size", "0x10", "--output", "x.png"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--size"), std::string::npos);
}
