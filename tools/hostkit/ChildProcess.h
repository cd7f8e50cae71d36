// A program the host runs beside itself (ffmpeg, Xvfb), joined to it by pipes, and ended
// with it: a child never outlives the host, even one killed outright.
#pragma once

#include <string>
#include <vector>

struct ChildPipes {
    bool input = false;                    // the host writes the child's standard input
    bool output = false;                   // the host reads the child's standard output
    int outputFd = -1;                     // or: the child writes to this descriptor instead (when >= 0)
    bool keepErrors = true;                // the child's standard error is kept for ErrorText
    int extraFd = -1;                      // a further descriptor the child inherits under the same number
    std::vector<std::string> environment;  // "NAME=VALUE" entries added to the child's environment
};

class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts arguments[0] found on PATH; false with a reason ("ffmpeg is not installed")
    // when it cannot be started.
    bool Start(const std::vector<std::string>& arguments, const ChildPipes& pipes, std::string* error);
    bool Running() const { return pid > 0; }

    int InputFd() const { return inputFd; }
    int OutputFd() const { return outputFd; }
    // Ends the child's input, as the end of a stream does.
    void CloseInput();
    void CloseOutput();
    // Asks the child to stop (SIGTERM).
    void Terminate();
    // Stops it at once (SIGKILL), for a child with nothing to finish, which may be blocked on a pipe.
    void Kill();
    // Waits for the child; its exit status, or 128 + the signal that ended it.
    int Wait();
    // What the child wrote on standard error, its last few kilobytes.
    std::string ErrorText() const;

private:
    int pid = -1;
    int inputFd = -1;
    int outputFd = -1;
    int errorFd = -1;
    int status = -1;
};
