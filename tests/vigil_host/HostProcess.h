// Runs the built vigil-host as a user would and collects what it says.
#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

struct HostRun {
    int status = -1;  // exit status, or -1 when the process did not exit normally
    std::string out;
    std::string err;
};

inline std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

inline std::filesystem::path ScratchRoot() {
    return std::filesystem::temp_directory_path() / ("vigil-host-test-" + std::to_string(getpid()));
}

// Removes this process's scratch files once all its tests have run.
struct ScratchCleanup : ::testing::Environment {
    void TearDown() override { std::filesystem::remove_all(ScratchRoot()); }
};
inline ::testing::Environment* const scratchCleanup = ::testing::AddGlobalTestEnvironment(new ScratchCleanup);

// A fresh directory per test for the files it writes.
inline std::filesystem::path ScratchDirectory(const std::string& name) {
    auto directory = ScratchRoot() / name;
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    return directory;
}

// Without a shell, so arguments with spaces and quotes arrive as they are. withoutDisplay
// runs the host with DISPLAY unset; inChild runs in the child just before the host starts
// (limits, environment).
inline HostRun RunHost(const std::vector<std::string>& arguments, bool withoutDisplay = false,
                       const std::function<void()>& inChild = {}) {
    const auto directory = ScratchDirectory("output");
    const auto outPath = directory / "stdout", errPath = directory / "stderr";
    std::vector<char*> argv = {const_cast<char*>(VIGIL_HOST_PATH)};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        dup2(open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
        dup2(open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        if (withoutDisplay) unsetenv("DISPLAY");
        if (inChild) inChild();
        execv(argv[0], argv.data());
        _exit(127);
    }
    int wait = 0;
    waitpid(child, &wait, 0);
    HostRun run;
    run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
    run.out = ReadWholeFile(outPath);
    run.err = ReadWholeFile(errPath);
    return run;
}

// The size of the file a render writes beside `path` until it is complete ("path.PID-N.part"), or 0.
inline uintmax_t GrowingBytes(const std::string& path) {
    const std::filesystem::path final(path);
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(final.parent_path(), ignored))
        if (entry.path().filename().string().rfind(final.filename().string() + ".", 0) == 0)
            return entry.file_size(ignored);
    return 0;
}

// What a shell command prints on standard output (ffmpeg and ffprobe, xdotool).
inline std::string ShellOutput(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, got);
        pclose(pipe);
    }
    return text;
}
