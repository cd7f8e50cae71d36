#include "tools/video/VideoInfo.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace {

bool ParseWhole(const std::string& text, long* value) {
    char* end = nullptr;
    *value = std::strtol(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0';
}

double NumberOr(const std::string& text, double fallback) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0' && std::isfinite(value) ? value : fallback;
}

struct Stream {
    std::string type, codec, width, height, rate, averageRate, frames, duration;
};

void Take(VideoInfo* info, const Stream& stream) {
    if (stream.type == "audio" && !info->hasAudio) {
        info->hasAudio = true;
        info->audioCodec = stream.codec;
    }
    if (stream.type != "video" || info->hasVideo) return;
    long width = 0, height = 0, frames = 0;
    info->hasVideo = ParseWhole(stream.width, &width) && ParseWhole(stream.height, &height) && width > 0 && height > 0;
    info->width = static_cast<int>(width);
    info->height = static_cast<int>(height);
    if (!ParseFrameRate(stream.averageRate, &info->rate)) ParseFrameRate(stream.rate, &info->rate);
    if (ParseWhole(stream.frames, &frames)) info->frameCount = frames;
    info->duration = NumberOr(stream.duration, info->duration);
}

}  // namespace

bool ParseFrameRate(const std::string& text, FrameRate* rate) {
    const size_t slash = text.find('/');
    FrameRate parsed;
    if (slash != std::string::npos) {
        if (!ParseWhole(text.substr(0, slash), &parsed.numerator) ||
            !ParseWhole(text.substr(slash + 1), &parsed.denominator))
            return false;
    } else {
        const double value = NumberOr(text, -1.0);
        parsed = {std::lround(value * 1000.0), 1000};
    }
    const double value = parsed.Value();
    if (parsed.numerator <= 0 || parsed.denominator <= 0 || !(value > 0.0) || value > 1000.0) return false;
    *rate = parsed;
    return true;
}

VideoInfo ParseProbeOutput(const std::string& text) {
    VideoInfo info;
    std::istringstream lines(text);
    std::string line;
    Stream stream;
    double formatDuration = 0.0;
    while (std::getline(lines, line)) {
        if (line == "[STREAM]") stream = {};
        if (line == "[/STREAM]") Take(&info, stream);
        const size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string key = line.substr(0, equals), value = line.substr(equals + 1);
        if (key == "codec_type") stream.type = value;
        if (key == "codec_name") stream.codec = value;
        if (key == "width") stream.width = value;
        if (key == "height") stream.height = value;
        if (key == "r_frame_rate") stream.rate = value;
        if (key == "avg_frame_rate") stream.averageRate = value;
        if (key == "nb_frames") stream.frames = value;
        if (key == "duration") {
            stream.duration = value;
            formatDuration = NumberOr(value, formatDuration);
        }
    }
    // Some containers give the length only for the whole file.
    if (info.duration <= 0.0) info.duration = formatDuration;
    return info;
}

long ExpectedFrames(const VideoInfo& info, const FrameRate& rate, double start, double duration) {
    const bool ownRate = rate.numerator * info.rate.denominator == info.rate.numerator * rate.denominator;
    if (ownRate && start <= 0.0 && duration <= 0.0 && info.frameCount >= 0) return info.frameCount;
    const double available = info.duration > 0.0 ? std::max(0.0, info.duration - start) : 0.0;
    const double length = duration > 0.0 && (available <= 0.0 || duration < available) ? duration : available;
    return std::lround(length * rate.Value());
}
