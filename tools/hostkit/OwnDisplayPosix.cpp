#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "tools/hostkit/OwnDisplay.h"

namespace {

constexpr int kStartTimeoutMs = 20000;

// Xvfb writes the display number it chose, then a line break, once it accepts clients.
bool ReadDisplayNumber(int fd, std::string* number, std::string* error) {
    char buffer[32];
    size_t length = 0;
    while (length < sizeof buffer) {
        pollfd ready{fd, POLLIN, 0};
        const int polled = poll(&ready, 1, kStartTimeoutMs);
        if (polled < 0 && errno == EINTR) {
            *error = "interrupted while Xvfb started";
            return false;
        }
        if (polled <= 0) {
            *error = "Xvfb did not start within 20 s";
            return false;
        }
        const ssize_t got = read(fd, buffer + length, sizeof buffer - length);
        if (got <= 0) {
            *error = "Xvfb ended before it gave a display";
            return false;
        }
        length += static_cast<size_t>(got);
        if (std::memchr(buffer, '\n', length)) break;
    }
    number->assign(buffer, strnlen(buffer, length));
    while (!number->empty() && (number->back() == '\n' || number->back() == ' ')) number->pop_back();
    return !number->empty();
}

}  // namespace

bool OwnDisplay::Ensure(std::string* error) {
    const char* display = std::getenv("DISPLAY");
    if (display && *display) return true;
    int ready[2];
    if (pipe2(ready, O_CLOEXEC) != 0) {
        *error = std::string("cannot make a pipe: ") + std::strerror(errno);
        return false;
    }
    server = std::make_unique<ChildProcess>();
    ChildPipes pipes;
    pipes.extraFd = ready[1];
    const bool started = server->Start(
        {"Xvfb", "-displayfd", std::to_string(ready[1]), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"}, pipes,
        error);
    close(ready[1]);
    std::string number;
    const bool gotDisplay = started && ReadDisplayNumber(ready[0], &number, error);
    close(ready[0]);
    if (!started) *error = "DISPLAY is not set and " + *error;
    if (!gotDisplay) {
        Stop();
        return false;
    }
    setenv("DISPLAY", (":" + number).c_str(), 1);
    return true;
}

void OwnDisplay::Stop() {
    if (!server) return;
    server.reset();
    unsetenv("DISPLAY");
}
