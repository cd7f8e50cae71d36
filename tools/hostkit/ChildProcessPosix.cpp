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
    int report;
};

// Between fork and exec only async-signal-safe calls: no allocation, no locks.
[[noreturn]] void RunChild(char* const* argv, char* const* environment, const ChildPipes& pipes, const ChildEnds& ends,
                           pid_t parent) {
    // The child dies with the host, even when the host is killed outright.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(127);
    // Its own process group: a terminal's Ctrl-C reaches the host, which ends the children in order.
    setpgid(0, 0);
    signal(SIGPIPE, SIG_DFL);
    const int devNull = open("/dev/null", O_RDWR);
    dup2(pipes.input ? ends.input : devNull, 0);
    if (pipes.outputFd >= 0)
        dup2(pipes.outputFd, 1);
    else
        dup2(pipes.output ? ends.output : devNull, 1);
    dup2(ends.errors >= 0 ? ends.errors : devNull, 2);
    if (pipes.extraFd >= 0) fcntl(pipes.extraFd, F_SETFD, 0);
    execvpe(argv[0], argv, environment);
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
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    // The child's environment is made before the fork: the child may not allocate.
    std::vector<char*> environment;
    for (char** entry = environ; *entry; ++entry) environment.push_back(*entry);
    for (const std::string& entry : pipes.environment) environment.push_back(const_cast<char*>(entry.c_str()));
    environment.push_back(nullptr);
    int in[2] = {-1, -1}, out[2] = {-1, -1}, report[2] = {-1, -1};
    if ((pipes.input && pipe2(in, O_CLOEXEC) != 0) || (pipes.output && pipe2(out, O_CLOEXEC) != 0) ||
        pipe2(report, O_CLOEXEC) != 0) {
        *error = std::string("cannot make a pipe: ") + std::strerror(errno);
        for (int* fd : {&in[0], &in[1], &out[0], &out[1], &report[0], &report[1]}) CloseFd(fd);
        return false;
    }
    for (int fd : {in[1], out[0]})
        if (fd >= 0) fcntl(fd, F_SETPIPE_SZ, kPipeBytes);  // a smaller pipe still works
    if (pipes.keepErrors) errorFd = memfd_create("child-stderr", MFD_CLOEXEC);
    const pid_t parent = getpid();
    pid = fork();
    if (pid == 0) RunChild(argv.data(), environment.data(), pipes, {in[0], out[1], errorFd, report[1]}, parent);
    CloseFd(&in[0]);
    CloseFd(&out[1]);
    CloseFd(&report[1]);
    inputFd = in[1];
    outputFd = out[0];
    int failure = 0;
    const bool execFailed = pid > 0 && read(report[0], &failure, sizeof failure) == sizeof failure;
    CloseFd(&report[0]);
    if (pid > 0 && !execFailed) return true;
    const int reason = pid < 0 ? errno : failure;
    if (pid > 0) Wait();
    pid = -1;
    CloseInput();
    CloseOutput();
    *error = reason == ENOENT ? arguments[0] + " is not installed (it is not on the PATH)"
                              : "cannot run " + arguments[0] + ": " + std::strerror(reason);
    return false;
}

void ChildProcess::CloseInput() { CloseFd(&inputFd); }
void ChildProcess::CloseOutput() { CloseFd(&outputFd); }

void ChildProcess::Terminate() {
    if (Running()) kill(pid, SIGTERM);
}

void ChildProcess::Kill() {
    if (Running()) kill(pid, SIGKILL);
}

int ChildProcess::Wait() {
    if (!Running()) return status;
    int wait = 0;
    while (waitpid(pid, &wait, 0) < 0 && errno == EINTR) {
    }
    pid = -1;
    status = WIFEXITED(wait) ? WEXITSTATUS(wait) : 128 + WTERMSIG(wait);
    return status;
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
