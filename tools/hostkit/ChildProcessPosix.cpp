#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "tools/hostkit/ChildProcess.h"

namespace {

constexpr off_t kKeptErrorBytes = 4096;
// Frames are megabytes: a larger pipe means fewer switches between writer and reader.
constexpr int kPipeBytes = 1 << 20;

void CloseFd(int* fd) {
    if (*fd >= 0) close(*fd);
    *fd = -1;
}

// The child's ends of its pipes and the host's end of the report of a failed exec.
struct ChildEnds {
    int input;
    int output;
    int errors;
    int file;
    int report;
};

ChildEnd EndOf(int wait) {
    ChildEnd end;
    end.exited = WIFEXITED(wait);
    end.code = end.exited ? WEXITSTATUS(wait) : WTERMSIG(wait);
    return end;
}

// Between fork and exec only async-signal-safe calls: no allocation, no locks.
[[noreturn]] void RunChild(const char* program, char* const* argv, char* const* environment, const ChildPipes& pipes,
                           const ChildEnds& ends, pid_t parent) {
    // The child dies with the host, even when the host is killed outright.
    prctl(PR_SET_PDEATHSIG, pipes.killedWithHost ? SIGKILL : SIGTERM);
    if (getppid() != parent) _exit(127);
    // Its own process group: a terminal's Ctrl-C reaches the host, which ends the children in order.
    setpgid(0, 0);
    signal(SIGPIPE, SIG_DFL);
    const int devNull = open("/dev/null", O_RDWR);
    dup2(pipes.input ? ends.input : devNull, 0);
    if (ends.file >= 0)
        dup2(ends.file, 1);
    else if (pipes.outputFd >= 0)
        dup2(pipes.outputFd, 1);
    else
        dup2(pipes.output ? ends.output : devNull, 1);
    dup2(ends.file >= 0 ? ends.file : ends.errors >= 0 ? ends.errors : devNull, 2);
    if (pipes.extraFd >= 0) fcntl(pipes.extraFd, F_SETFD, 0);
    execvpe(program, argv, environment);
    const int failure = errno;
    (void)!write(ends.report, &failure, sizeof failure);
    _exit(127);
}

}  // namespace

ChildProcess::~ChildProcess() {
    if (Running()) {
        Terminate();
        Wait();
    }
    CloseInput();
    CloseOutput();
    CloseFd(&errorFd);
}

bool ChildProcess::Start(const std::vector<std::string>& arguments, const ChildPipes& pipes, std::string* error) {
    return Launch(arguments[0].c_str(), arguments, pipes, error);
}

bool ChildProcess::StartSelf(const std::vector<std::string>& arguments, const ChildPipes& pipes, std::string* error) {
    return Launch("/proc/self/exe", arguments, pipes, error);
}

bool ChildProcess::Launch(const char* program, const std::vector<std::string>& arguments, const ChildPipes& pipes,
                          std::string* error) {
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    // The child's environment is made before the fork: the child may not allocate.
    std::vector<char*> environment;
    for (char** entry = environ; *entry; ++entry) environment.push_back(*entry);
    for (const std::string& entry : pipes.environment) environment.push_back(const_cast<char*>(entry.c_str()));
    environment.push_back(nullptr);
    int file = -1;
    if (!pipes.outputFile.empty()) {
        file = open(pipes.outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (file < 0) {
            *error = "cannot write " + pipes.outputFile + ": " + std::strerror(errno);
            return false;
        }
    }
    int in[2] = {-1, -1}, out[2] = {-1, -1}, report[2] = {-1, -1};
    if ((pipes.input && pipe2(in, O_CLOEXEC) != 0) || (pipes.output && pipe2(out, O_CLOEXEC) != 0) ||
        pipe2(report, O_CLOEXEC) != 0) {
        *error = std::string("cannot make a pipe: ") + std::strerror(errno);
        for (int* fd : {&in[0], &in[1], &out[0], &out[1], &report[0], &report[1], &file}) CloseFd(fd);
        return false;
    }
    for (int fd : {in[1], out[0]})
        if (fd >= 0) fcntl(fd, F_SETPIPE_SZ, kPipeBytes);  // a smaller pipe still works
    if (pipes.keepErrors && file < 0) errorFd = memfd_create("child-stderr", MFD_CLOEXEC);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0)
        RunChild(program, argv.data(), environment.data(), pipes, {in[0], out[1], errorFd, file, report[1]}, parent);
    for (int* fd : {&in[0], &out[1], &report[1], &file}) CloseFd(fd);
    inputFd = in[1];
    outputFd = out[0];
    int failure = 0;
    const bool execFailed = pid > 0 && read(report[0], &failure, sizeof failure) == sizeof failure;
    CloseFd(&report[0]);
    process = pid > 0 ? pid : 0;
    if (pid > 0 && !execFailed) return true;
    const int reason = pid < 0 ? errno : failure;
    if (pid > 0) Wait();
    process = 0;
    CloseInput();
    CloseOutput();
    *error = reason == ENOENT ? arguments[0] + " is not installed (it is not on the PATH)"
                              : "cannot run " + arguments[0] + ": " + std::strerror(reason);
    return false;
}

void ChildProcess::CloseInput() { CloseFd(&inputFd); }
void ChildProcess::CloseOutput() { CloseFd(&outputFd); }

void ChildProcess::Terminate() {
    if (Running()) kill(static_cast<pid_t>(process), SIGTERM);
}

void ChildProcess::Kill() {
    if (Running()) kill(static_cast<pid_t>(process), SIGKILL);
}

int ChildProcess::Wait() {
    if (Running()) {
        int wait = 0;
        pid_t ended = 0;
        while ((ended = waitpid(static_cast<pid_t>(process), &wait, 0)) < 0 && errno == EINTR) {
        }
        process = 0;
        end = ended > 0 ? EndOf(wait) : ChildEnd{};
    }
    if (end.code < 0) return -1;
    return end.exited ? end.code : 128 + end.code;
}

bool ChildProcess::WaitFor(int milliseconds) {
    for (int waited = 0; Running(); waited += 10) {
        int wait = 0;
        const pid_t ended = waitpid(static_cast<pid_t>(process), &wait, WNOHANG);
        if (ended > 0 || (ended < 0 && errno != EINTR)) {
            process = 0;
            end = ended > 0 ? EndOf(wait) : ChildEnd{};
            break;
        }
        if (waited >= milliseconds) return false;
        usleep(10000);
    }
    return true;
}

std::string ChildProcess::EndText() const {
    if (end.exited) return "exited with status " + std::to_string(end.code);
    return std::string("crashed: ") + strsignal(end.code) + " (signal " + std::to_string(end.code) + ")";
}

std::string ChildProcess::ErrorText() const {
    if (errorFd < 0) return {};
    const off_t size = lseek(errorFd, 0, SEEK_END);
    const off_t start = size > kKeptErrorBytes ? size - kKeptErrorBytes : 0;
    std::string text(static_cast<size_t>(size - start), '\0');
    const ssize_t got = pread(errorFd, text.data(), text.size(), start);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}
