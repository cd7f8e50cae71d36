#include "tools/video/VideoInfo.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
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

// ffprobe's word for a value the file does not give.
std::string Known(const std::string& value) { return value == "unknown" || value == "N/A" ? std::string() : value; }

using Fields = std::map<std::string, std::string>;

std::string Field(const Fields& fields, const char* key) {
    const auto found = fields.find(key);
    return found == fields.end() ? std::string() : found->second;
}

// The side data's rotation turns the picture counter-clockwise; we count clockwise.
int ClockwiseRotation(const std::string& text) {
    const long counterClockwise = std::lround(NumberOr(text, 0.0) / 90.0) * 90;
    return static_cast<int>(((-counterClockwise % 360) + 360) % 360);
}

// "64:45"; "0:1" and anything unreadable are square.
void ReadAspect(const std::string& text, VideoInfo* info) {
    const size_t colon = text.find(':');
    long numerator = 0, denominator = 0;
    if (colon == std::string::npos || !ParseWhole(text.substr(0, colon), &numerator) ||
        !ParseWhole(text.substr(colon + 1), &denominator) || numerator <= 0 || denominator <= 0)
        return;
    info->aspectNumerator = numerator;
    info->aspectDenominator = denominator;
}

// Bits per sample from the pixel format's name ("yuv420p10le": 10).
int BitDepth(const std::string& pixelFormat, const std::string& rawBits) {
    long bits = 0;
    if (ParseWhole(rawBits, &bits) && bits > 8) return static_cast<int>(bits);
    const size_t p = pixelFormat.find_last_of('p');
    if (p != std::string::npos && ParseWhole(pixelFormat.substr(p + 1, 2), &bits) && bits > 8)
        return static_cast<int>(bits);
    return 8;
}

void TakePicture(VideoInfo* info, const Fields& stream) {
    long width = 0, height = 0, frames = 0;
    info->hasVideo = ParseWhole(Field(stream, "width"), &width) && ParseWhole(Field(stream, "height"), &height) &&
                     width > 0 && height > 0;
    if (!info->hasVideo) return;
    info->width = static_cast<int>(width);
    info->height = static_cast<int>(height);
    ParseFrameRate(Field(stream, "r_frame_rate"), &info->baseRate);
    if (!ParseFrameRate(Field(stream, "avg_frame_rate"), &info->rate)) info->rate = info->baseRate;
    if (ParseWhole(Field(stream, "nb_frames"), &frames)) info->frameCount = frames;
    info->duration = NumberOr(Field(stream, "duration"), info->duration);
    info->rotation = ClockwiseRotation(Field(stream, "rotation"));
    ReadAspect(Field(stream, "sample_aspect_ratio"), info);
    info->pixelFormat = Field(stream, "pix_fmt");
    info->bitDepth = BitDepth(info->pixelFormat, Field(stream, "bits_per_raw_sample"));
    info->colour = {Known(Field(stream, "color_space")), Known(Field(stream, "color_range")),
                    Known(Field(stream, "color_transfer")), Known(Field(stream, "color_primaries"))};
    // JPEG-style pixel formats are full range whatever the tags say.
    if (info->colour.range.empty() && info->pixelFormat.rfind("yuvj", 0) == 0) info->colour.range = "pc";
    const std::string order = Field(stream, "field_order");
    info->interlaced = order == "tt" || order == "bb" || order == "tb" || order == "bt";
    if (info->interlaced) info->fieldOrder = order;
}

void TakeStream(VideoInfo* info, const Fields& fields) {
    StreamInfo stream;
    long index = 0;
    if (!ParseWhole(Field(fields, "index"), &index)) index = static_cast<long>(info->streams.size());
    stream.index = static_cast<int>(index);
    // An MPEG-TS file lists its streams again under each program.
    for (const StreamInfo& known : info->streams)
        if (known.index == stream.index) return;
    stream.type = Field(fields, "codec_type");
    stream.codec = Field(fields, "codec_name");
    stream.tag = Field(fields, "codec_tag_string");
    const double start = NumberOr(Field(fields, "start_time"), NAN);
    stream.hasStart = std::isfinite(start);
    stream.start = stream.hasStart ? start : 0.0;
    stream.coverPicture = Field(fields, "DISPOSITION:attached_pic") == "1";
    if (stream.type == "audio" && !info->hasAudio) {
        info->hasAudio = true;
        info->audioCodec = stream.codec;
    }
    if (stream.type == "video" && !stream.coverPicture && !info->hasVideo) {
        TakePicture(info, fields);
        if (info->hasVideo) {
            info->videoStream = stream.index;
            info->videoStart = stream.start;
        }
    }
    info->streams.push_back(stream);
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
    Fields fields;
    while (std::getline(lines, line)) {
        if (line == "[STREAM]" || line == "[FORMAT]") fields.clear();
        if (line == "[/STREAM]") TakeStream(&info, fields);
        if (line == "[/FORMAT]") {
            info.formatStart = NumberOr(Field(fields, "start_time"), 0.0);
            // Some containers give the length only for the whole file.
            if (info.duration <= 0.0) info.duration = NumberOr(Field(fields, "duration"), 0.0);
        }
        const size_t equals = line.find('=');
        // Inside a stream, its side data adds keys of its own (the rotation).
        if (equals != std::string::npos) fields[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return info;
}

long ExpectedFrames(const VideoInfo& info, const FrameRate& rate, double start, double duration) {
    const bool ownRate = rate.numerator * info.rate.denominator == info.rate.numerator * rate.denominator;
    if (ownRate && start <= 0.0 && duration <= 0.0 && info.frameCount >= 0) return info.frameCount;
    const double available = info.duration > 0.0 ? std::max(0.0, info.duration - start) : 0.0;
    const double length = duration > 0.0 && (available <= 0.0 || duration < available) ? duration : available;
    return std::lround(length * rate.Value());
}
