#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "tools/hostkit/HostPlatform.h"

namespace {

// Set in the re-run so that a display that still fails does not loop.
constexpr const char* kUnderXvfb = "VIGIL_HOST_UNDER_XVFB";

std::string OwnExecutable(const char* fallback) {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return fallback;
    path[length] = '\0';
    return path;
}

}  // namespace

bool EnsureDisplay(int argc, char** argv, std::string* error) {
    const char* display = std::getenv("DISPLAY");
    if (display && *display) return true;
    if (std::getenv(kUnderXvfb)) {
        *error = "no X display even under xvfb-run";
        return false;
    }
    setenv(kUnderXvfb, "1", 1);
    const std::string self = OwnExecutable(argv[0]);
    std::vector<char*> command = {const_cast<char*>("xvfb-run"), const_cast<char*>("-a"), const_cast<char*>("-s"),
                                  const_cast<char*>("-screen 0 1280x1024x24"), const_cast<char*>(self.c_str())};
    for (int i = 1; i < argc; ++i) command.push_back(argv[i]);
    command.push_back(nullptr);
    execvp(command[0], command.data());
    *error = std::string("DISPLAY is not set and xvfb-run could not be started: ") + std::strerror(errno);
    return false;
}

// Linux passes file names as the bytes they are.
std::vector<std::string> CommandArguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

ResidentMemory ResidentBytes() {
    ResidentMemory memory;
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) return memory;
    char line[256];
    unsigned long long kib = 0;
    while (std::fgets(line, sizeof line, status)) {
        if (std::sscanf(line, "VmRSS: %llu kB", &kib) == 1) memory.current = static_cast<size_t>(kib) << 10;
        if (std::sscanf(line, "VmHWM: %llu kB", &kib) == 1) memory.peak = static_cast<size_t>(kib) << 10;
    }
    std::fclose(status);
    return memory;
}

// Writing 5 to clear_refs sets the high-water mark back to the present resident size.
void ResetPeakResident() {
    if (std::FILE* refs = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", refs);
        std::fclose(refs);
    }
}

double ThreadCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1.0e6;
}
