// A program the host runs beside itself (ffmpeg, Xvfb, or vigil-host again for a group of
// checks), joined to it by pipes or writing to a file, and ended with it: a child never
// outlives the host, even one killed outright.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ChildPipes {
    bool input = false;                    // the host writes the child's standard input
    bool output = false;                   // the host reads the child's standard output
    int outputFd = -1;                     // or: the child writes to this descriptor instead (when >= 0)
    std::string outputFile;                // or: its standard output and error both go to this file, made anew
    bool keepErrors = true;                // the child's standard error is kept for ErrorText
    int extraFd = -1;                      // a further descriptor the child inherits under the same number
    std::vector<std::string> environment;  // "NAME=VALUE" entries added to the child's environment
    // When the host dies, the child is killed outright rather than asked to stop: for a
    // child with nothing to tidy away, which might not stop when asked.
    bool killedWithHost = false;
};

// How a child ended.
struct ChildEnd {
    bool exited = false;  // by itself, with an exit status; otherwise killed (a signal, or an exception on Windows)
    int code = -1;        // the exit status, or the signal or exception code
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
    // Starts this program again; arguments[0] is the name it is shown under.
    bool StartSelf(const std::vector<std::string>& arguments, const ChildPipes& pipes, std::string* error);
    bool Running() const { return process != 0; }

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
    // True once the child has ended, waiting at most this long for it.
    bool WaitFor(int milliseconds);
    // After the end: how it ended, and that in words ("exited with status 1").
    const ChildEnd& End() const { return end; }
    std::string EndText() const;
    // What the child wrote on standard error, its last few kilobytes.
    std::string ErrorText() const;

private:
    bool Launch(const char* program, const std::vector<std::string>& arguments, const ChildPipes& pipes,
                std::string* error);

    intptr_t process = 0;  // the pid on Linux, the process handle on Windows; 0 when none runs
    int inputFd = -1;
    int outputFd = -1;
    int errorFd = -1;
    ChildEnd end;
};
