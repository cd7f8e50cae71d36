// What the validator needs from the operating system beyond the host kit: child
// processes it can time and kill, and the special files a hostile host may name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// This program run again with other arguments, its standard output and error in a file.
class GroupProcess {
public:
    GroupProcess() = default;
    ~GroupProcess();
    GroupProcess(const GroupProcess&) = delete;
    GroupProcess& operator=(const GroupProcess&) = delete;

    bool Start(const std::vector<std::string>& arguments, const std::string& outputPath, std::string* error);
    // True once the child has ended, waiting at most this long for it.
    bool Wait(int milliseconds);
    void Kill();

    // After the end: whether it exited by itself, with which status, or how it died.
    bool Exited() const { return exited; }
    int ExitStatus() const { return status; }
    std::string EndText() const;

private:
    intptr_t handle = 0;  // pid on Linux, process handle on Windows
    bool running = false;
    bool exited = false;
    int status = 0;  // exit status, or the signal or exception code
};

// Makes a named pipe at the path; false where the system has none.
bool MakeFifo(const std::string& path);

// A file that never ends when read; null where the system has none.
const char* EndlessFile();
