#include "tools/video/FfmpegArguments.h"

#include <cstdio>

namespace {

// Quiet but for errors: whatever ffmpeg prints is a failure to report.
const std::vector<std::string> kQuiet = {"-nostdin", "-hide_banner", "-loglevel", "error"};

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", seconds);
    return text;
}

std::string Size(int width, int height) { return std::to_string(width) + "x" + std::to_string(height); }

void Append(std::vector<std::string>* to, const std::vector<std::string>& more) {
    to->insert(to->end(), more.begin(), more.end());
}

void AppendSpan(std::vector<std::string>* to, double start, double duration, bool before) {
    if (before && start > 0.0) Append(to, {"-ss", Seconds(start)});
    if (!before && duration > 0.0) Append(to, {"-t", Seconds(duration)});
}

struct VideoCodec {
    std::vector<std::string> arguments;
    std::vector<const char*> audioKept;  // audio codecs the container takes as they are
    const char* audioConverted;          // what other audio becomes; null: left out
};

VideoCodec CodecFor(Container container) {
    const std::vector<std::string> h264 = {"-c:v", "libx264", "-preset",  "veryfast",
                                           "-crf", "18",      "-pix_fmt", "yuv420p"};
    switch (container) {
        case Container::Mov:
            return {{"-c:v", "prores_ks", "-profile:v", "4444", "-pix_fmt", "yuva444p10le", "-vendor", "apl0"},
                    {"aac", "alac", "mp3", "pcm_s16le", "pcm_s24le", "pcm_s16be", "pcm_s24be"},
                    "pcm_s16le"};
        case Container::Webm:
            return {{"-c:v", "libvpx-vp9", "-crf", "32", "-b:v", "0", "-deadline", "realtime", "-cpu-used", "8",
                     "-row-mt", "1", "-pix_fmt", "yuv420p"},
                    {"opus", "vorbis"},
                    "libopus"};
        case Container::Gif: return {{}, {}, nullptr};
        case Container::Matroska: return {h264, {}, nullptr};
        default: {
            std::vector<std::string> mp4 = h264;
            Append(&mp4, {"-movflags", "+faststart"});
            return {mp4, {"aac", "mp3", "ac3", "eac3", "alac", "opus"}, "aac"};
        }
    }
}

std::vector<std::string> AudioArguments(const EncodeRequest& request, const VideoCodec& codec, std::string* note) {
    if (request.audioInput.empty()) return {"-an"};
    if (request.container == Container::Gif) {
        *note = "a GIF has no sound: the input's audio is left out";
        return {"-an"};
    }
    std::vector<std::string> arguments = {"-map", "1:a:0?"};
    bool kept = request.container == Container::Matroska;
    for (const char* name : codec.audioKept) kept = kept || request.audioCodec == name;
    if (kept) {
        Append(&arguments, {"-c:a", "copy"});
    } else {
        *note = "." + std::string(ContainerName(request.container)) + " cannot hold " + request.audioCodec +
                " audio: it is converted to " + codec.audioConverted;
        Append(&arguments, {"-c:a", codec.audioConverted});
    }
    return arguments;
}

const char* MuxerName(Container container) {
    return container == Container::Matroska ? "matroska" : ContainerName(container);
}

// A name that starts with "-" would read as an option.
std::string InputName(const std::string& input) { return input.rfind('-', 0) == 0 ? "./" + input : input; }

}  // namespace

std::vector<std::string> ProbeArguments(const std::string& input) {
    return {"ffprobe",
            "-v",
            "error",
            "-show_entries",
            "stream=codec_type,codec_name,width,height,r_frame_rate,avg_frame_rate,nb_frames,duration:format=duration",
            "-of",
            "default",
            InputName(input)};
}

bool IsCamera(const std::string& input) { return input.rfind("/dev/video", 0) == 0; }

std::vector<std::string> DecodeArguments(const DecodeRequest& request) {
    std::vector<std::string> arguments = {"ffmpeg"};
    Append(&arguments, kQuiet);
    if (request.realTime && !IsCamera(request.input)) arguments.push_back("-re");
    if (request.loop && !IsCamera(request.input)) Append(&arguments, {"-stream_loop", "-1"});
    if (IsCamera(request.input)) Append(&arguments, {"-f", "v4l2"});
    AppendSpan(&arguments, request.start, request.duration, true);
    Append(&arguments, {"-i", InputName(request.input)});
    AppendSpan(&arguments, request.start, request.duration, false);
    Append(&arguments, {"-map", "0:v:0", "-an", "-sn", "-vf",
                        "fps=" + request.rate.Text() + ",scale=" + std::to_string(request.width) + ":" +
                            std::to_string(request.height) + ",vflip"});
    if (request.frames > 0) Append(&arguments, {"-frames:v", std::to_string(request.frames)});
    Append(&arguments, {"-f", "rawvideo", "-pix_fmt", "rgba", "pipe:1"});
    return arguments;
}

std::vector<std::string> EncodeArguments(const EncodeRequest& request, std::string* note) {
    const VideoCodec codec = CodecFor(request.container);
    std::vector<std::string> arguments = {"ffmpeg"};
    Append(&arguments, kQuiet);
    Append(&arguments, {"-y", "-f", "rawvideo", "-pix_fmt", "rgba", "-s", Size(request.width, request.height), "-r",
                        request.rate.Text(), "-i", "pipe:0"});
    if (!request.audioInput.empty() && request.container != Container::Gif) {
        AppendSpan(&arguments, request.start, request.duration, true);
        Append(&arguments, {"-i", InputName(request.audioInput)});
    }
    Append(&arguments, {"-map", "0:v:0"});
    Append(&arguments, request.container == Container::Gif
                           ? std::vector<std::string>{"-filter_complex",
                                                      "[0:v]vflip,split[a][b];[a]palettegen[p];[b][p]paletteuse=dither="
                                                      "bayer:bayer_scale=5:diff_mode=rectangle"}
                           : std::vector<std::string>{"-vf", "vflip"});
    Append(&arguments, codec.arguments);
    Append(&arguments, AudioArguments(request, codec, note));
    if (!request.audioInput.empty()) AppendSpan(&arguments, request.start, request.duration, false);
    if (request.stream) {
        // A pipe cannot be sought back into: MP4 and MOV then go out as fragments.
        if (request.container == Container::Mp4 || request.container == Container::Mov)
            Append(&arguments, {"-movflags", "frag_keyframe+empty_moov"});
        Append(&arguments, {"-f", MuxerName(request.container), "pipe:1"});
    } else {
        // "file:" keeps a name with a colon from reading as a protocol.
        arguments.push_back("file:" + request.output);
    }
    return arguments;
}

std::string FfmpegReason(const std::string& errorText) {
    std::string text = errorText;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
    const size_t lineStart = text.find_last_of('\n');
    std::string line = lineStart == std::string::npos ? text : text.substr(lineStart + 1);
    const size_t colon = line.rfind(": ");
    return colon == std::string::npos ? line : line.substr(colon + 2);
}
