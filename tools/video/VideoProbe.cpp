#include "tools/video/VideoProbe.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "tools/hostkit/ChildProcess.h"
#include "tools/video/FfmpegArguments.h"
#include "tools/video/FrameTimes.h"
#include "tools/video/VideoColour.h"

namespace {

// A URL, a device or a picture sequence is ffmpeg's to open; a file is checked first, for the system's reason.
bool CheckReadable(const VideoInput& input, std::string* error) {
    if (input.name.find("://") != std::string::npos || IsCamera(input.name) || input.sequenceRate.numerator > 0)
        return true;
    std::ifstream file(input.name, std::ios::binary | std::ios::ate);
    if (!file) {
        *error = "cannot read " + input.name + ": " + std::strerror(errno);
        return false;
    }
    if (file.tellg() == 0) {
        *error = input.name + " is empty: it holds no video frames";
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

// What ffprobe prints for these arguments; false with its reason.
bool RunProbe(const std::vector<std::string>& arguments, const std::string& name, std::string* text,
              std::string* error) {
    ChildProcess probe;
    ChildPipes pipes;
    pipes.output = true;
    if (!probe.Start(arguments, pipes, error)) return false;
    ReadAll(probe.OutputFd(), text);
    if (probe.Wait() == 0) return true;
    *error = "cannot read " + name + ": " + FfmpegReason(probe.ErrorText());
    return false;
}

// A rate that varies is measured from the frames' timestamps (the file is read, not decoded).
void MeasureVariableRate(const VideoInput& input, VideoInfo* info) {
    std::string text, ignored;
    if (!MayVaryInRate(*info) || !RunProbe(FrameTimeArguments(input), input.name, &text, &ignored)) return;
    std::vector<double> times;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        char* end = nullptr;
        const double time = std::strtod(line.c_str(), &end);
        if (end != line.c_str()) times.push_back(time);
    }
    RateRange range;
    if (!MeasureRates(times, &range)) return;
    info->variableRate = range.lowest < range.highest.Value() * 0.95;
    info->lowestRate = range.lowest;
    if (!info->variableRate) return;
    info->rate = range.highest;
    info->frameCount = -1;  // at the new rate, the length gives the count
}

// HDR and BT.2020 pictures need zscale (and tonemap), which not every ffmpeg has.
void CheckSdrFilters(VideoInfo* info) {
    const ColourTags colour = InputColour(*info);
    if (!IsHdr(colour) && !IsWideGamut(colour)) return;
    std::string text, ignored;
    RunProbe(FilterListArguments(), "ffmpeg", &text, &ignored);
    info->sdrFilters = text.find(" zscale ") != std::string::npos && text.find(" tonemap ") != std::string::npos;
}

}  // namespace

bool ProbeVideo(const VideoInput& input, VideoInfo* info, std::string* error) {
    if (!CheckReadable(input, error)) return false;
    std::string text;
    if (!RunProbe(ProbeArguments(input), input.name, &text, error)) return false;
    *info = ParseProbeOutput(text);
    if (!info->hasVideo) {
        *error = input.name + " has no video stream";
        return false;
    }
    // A length that is not known is found out while decoding.
    if (info->frameCount == 0) {
        *error = input.name + " holds no video frames";
        return false;
    }
    if (input.sequenceRate.numerator == 0 && !IsCamera(input.name)) MeasureVariableRate(input, info);
    CheckSdrFilters(info);
    return true;
}
