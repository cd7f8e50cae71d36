// The Windows side of the headless host's platform needs: the command line is read wide.
#include <windows.h>
// After windows.h, whose types it uses without including it.
#include <psapi.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <cstdint>

#include "tools/hostkit/HostPlatform.h"

double ThreadCpuMilliseconds() {
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user)) return 0.0;
    auto hundredNanoseconds = [](const FILETIME& time) {
        return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(hundredNanoseconds(kernel) + hundredNanoseconds(user)) / 1.0e4;
}

ResidentMemory ResidentBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return {};
    return {counters.WorkingSetSize, counters.PeakWorkingSetSize};
}

// Windows keeps the peak for the process's whole life.
void ResetPeakResident() {}

int ProcessThreadCount() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
    CloseHandle(snapshot);
    return count;
}

std::vector<std::string> CommandArguments(int argc, char** argv) {
    // The narrow argv is in the ANSI code page, which cannot hold every file name; the
    // plug-in takes paths as UTF-8, so the wide command line is converted instead.
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return std::vector<std::string>(argv + 1, argv + argc);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) {
        const int length = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string text(length > 0 ? static_cast<size_t>(length) : 1, '\0');
        if (length > 0) WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, text.data(), length, nullptr, nullptr);
        text.resize(text.size() - 1);  // the terminator WideCharToMultiByte counted
        arguments.push_back(std::move(text));
    }
    LocalFree(wide);
    return arguments;
}
