#include "tools/video/VideoProbe.h"

#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "tools/hostkit/ChildProcess.h"
#include "tools/video/FfmpegArguments.h"

namespace {

// A URL or a device is ffmpeg's to open; a file is checked first, for the system's reason.
bool CheckReadable(const std::string& input, std::string* error) {
    if (input.find("://") != std::string::npos || IsCamera(input)) return true;
    std::ifstream file(input, std::ios::binary | std::ios::ate);
    if (!file) {
        *error = "cannot read " + input + ": " + std::strerror(errno);
        return false;
    }
    if (file.tellg() == 0) {
        *error = input + " is empty: it holds no video frames";
        return false;
    }
    return true;
}

bool ReadAll(int fd, std::string* text) {
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got == 0) return true;
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        text->append(buffer, static_cast<size_t>(got));
    }
}

}  // namespace

bool ProbeVideo(const std::string& input, VideoInfo* info, std::string* error) {
    if (!CheckReadable(input, error)) return false;
    ChildProcess probe;
    ChildPipes pipes;
    pipes.output = true;
    if (!probe.Start(ProbeArguments(input), pipes, error)) return false;
    std::string text;
    ReadAll(probe.OutputFd(), &text);
    if (probe.Wait() != 0) {
        *error = "cannot read " + input + ": " + FfmpegReason(probe.ErrorText());
        return false;
    }
    *info = ParseProbeOutput(text);
    if (!info->hasVideo) {
        *error = input + " has no video stream";
        return false;
    }
    // A length that is not known is found out while decoding.
    if (info->frameCount == 0) {
        *error = input + " holds no video frames";
        return false;
    }
    return true;
}
