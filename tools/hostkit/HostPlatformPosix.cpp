#include <dirent.h>
#include <time.h>

#include <cstdio>

#include "tools/hostkit/HostPlatform.h"

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

int ProcessThreadCount() {
    DIR* tasks = opendir("/proc/self/task");
    if (!tasks) return 0;
    int count = 0;
    while (const dirent* entry = readdir(tasks))
        if (entry->d_name[0] != '.') ++count;
    closedir(tasks);
    return count;
}
