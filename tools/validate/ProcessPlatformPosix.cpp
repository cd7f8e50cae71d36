#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "tools/validate/ProcessPlatform.h"

GroupProcess::~GroupProcess() { Kill(); }

bool GroupProcess::Start(const std::vector<std::string>& arguments, const std::string& outputPath, std::string* error) {
    const int output = open(outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (output < 0) {
        *error = "cannot write " + outputPath + ": " + std::strerror(errno);
        return false;
    }
    std::vector<char*> argv = {const_cast<char*>("vigil-host")};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child == 0) {
        // The child dies with the validator, so a killed run leaves nothing behind.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) _exit(127);
        dup2(output, STDOUT_FILENO);
        dup2(output, STDERR_FILENO);
        execv("/proc/self/exe", argv.data());
        _exit(127);
    }
    close(output);
    if (child < 0) {
        *error = std::string("cannot start a child process: ") + std::strerror(errno);
        return false;
    }
    handle = child;
    running = true;
    return true;
}

bool GroupProcess::Wait(int milliseconds) {
    for (int waited = 0; running; waited += 10) {
        int wait = 0;
        const pid_t ended = waitpid(static_cast<pid_t>(handle), &wait, WNOHANG);
        if (ended == static_cast<pid_t>(handle)) {
            running = false;
            exited = WIFEXITED(wait);
            status = exited ? WEXITSTATUS(wait) : WTERMSIG(wait);
            break;
        }
        if (ended < 0 && errno != EINTR) {
            running = false;
            status = -1;
            break;
        }
        if (waited >= milliseconds) return false;
        usleep(10000);
    }
    return true;
}

void GroupProcess::Kill() {
    if (!running) return;
    kill(static_cast<pid_t>(handle), SIGKILL);
    Wait(60000);
}

std::string GroupProcess::EndText() const {
    if (exited) return "exited with status " + std::to_string(status);
    return std::string("crashed: ") + strsignal(status) + " (signal " + std::to_string(status) + ")";
}

bool MakeFifo(const std::string& path) { return mkfifo(path.c_str(), 0600) == 0; }

const char* EndlessFile() { return "/dev/zero"; }
