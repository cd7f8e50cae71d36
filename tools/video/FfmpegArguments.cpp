#include "tools/video/FfmpegArguments.h"

#include <cstdio>
#include <sstream>

#include "tools/video/VideoColour.h"

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

bool IsUrl(const std::string& name) { return name.find("://") != std::string::npos; }

// A local file reaches ffmpeg as "file:NAME", so that no character of its name means
// anything else (a colon a protocol, a leading "-" an option).
std::string FileName(const std::string& name) {
    return IsUrl(name) || IsCamera(name) || name.rfind("file:", 0) == 0 ? name : "file:" + name;
}

std::vector<std::string> InputArguments(const VideoInput& input) {
    std::vector<std::string> arguments;
    if (input.sequenceRate.numerator > 0) Append(&arguments, {"-f", "image2", "-framerate", input.sequenceRate.Text()});
    if (IsCamera(input.name)) Append(&arguments, {"-f", "v4l2"});
    Append(&arguments, {"-i", FileName(input.name)});
    return arguments;
}

const char* MuxerName(Container container) {
    return container == Container::Matroska ? "matroska" : ContainerName(container);
}

std::vector<std::string> VideoCodec(Container container) {
    std::vector<std::string> h264 = {"-c:v", "libx264", "-preset", "veryfast", "-crf", "18", "-pix_fmt", "yuv420p"};
    switch (container) {
        case Container::Mov:
            return {"-c:v", "prores_ks", "-profile:v", "4444", "-pix_fmt", "yuva444p10le", "-vendor", "apl0"};
        case Container::Webm:
            return {"-c:v",     "libvpx-vp9", "-crf", "32",      "-b:v", "0",        "-deadline",
                    "realtime", "-cpu-used",  "8",    "-row-mt", "1",    "-pix_fmt", "yuv420p"};
        case Container::Gif: return {};
        case Container::Mp4: {
            std::vector<std::string> mp4 = h264;
            Append(&mp4, {"-movflags", "+faststart"});
            return mp4;
        }
        default: return h264;
    }
}

// The filters between the frames as they arrive and the encoder: turned over when they come
// from GL, and converted with the matrix and range the output is tagged with.
std::vector<std::string> VideoFilters(const EncodeRequest& request) {
    const std::string flip = request.layout == FrameLayout::RgbaBottomUp ? "vflip," : "";
    if (request.container == Container::Gif)
        return {"-filter_complex", "[0:v]" + flip +
                                       "split[a][b];[a]palettegen[p];[b][p]paletteuse=dither=bayer:bayer_scale=5:"
                                       "diff_mode=rectangle"};
    const ColourTags& colour = request.colour;
    std::string filters;
    if (request.layout == FrameLayout::RgbaBottomUp)
        filters = flip + "scale=out_color_matrix=" + ScaleMatrixName(colour.matrix) + ":out_range=" + colour.range +
                  ":flags=bicubic+accurate_rnd+full_chroma_int,";
    // The frames carry the tags, so that every encoder writes them (ProRes reads no option).
    filters += "setparams=colorspace=" + colour.matrix + ":color_primaries=" + colour.primaries +
               ":color_trc=" + colour.transfer + ":range=" + colour.range;
    std::vector<std::string> arguments = {
        "-vf",        filters,         "-colorspace",  colour.matrix, "-color_primaries", colour.primaries,
        "-color_trc", colour.transfer, "-color_range", colour.range};
    if (!request.fieldOrder.empty()) {
        Append(&arguments, {"-field_order", request.fieldOrder});
        if (request.container != Container::Mov && request.container != Container::Webm)
            Append(&arguments, {"-flags", "+ildct+ilme"});
    }
    return arguments;
}

std::vector<std::string> TrackArguments(const EncodeRequest& request) {
    if (request.tracks.empty()) return {"-an"};
    std::vector<std::string> arguments;
    int output = 1;  // the picture is output track 0
    for (const TrackCopy& track : request.tracks) {
        Append(&arguments, {"-map", "1:" + std::to_string(track.index), "-c:" + std::to_string(output), track.codec});
        ++output;
    }
    // Packets that start before the start point stay out, whatever the container's index allows.
    Append(&arguments, {"-copypriorss", "0"});
    if (request.duration > 0.0) Append(&arguments, {"-t", Seconds(request.duration)});
    return arguments;
}

}  // namespace

bool IsCamera(const std::string& input) { return input.rfind("/dev/video", 0) == 0; }

bool DecodesAsYuv420(const std::string& pixelFormat) {
    for (const char* format : {"yuv420p", "yuvj420p", "nv12", "nv21", "yuv420p10le", "yuv420p10be", "p010le"})
        if (pixelFormat == format) return true;
    return false;
}

std::vector<std::string> ProbeArguments(const VideoInput& input) {
    const std::string entries =
        "stream=index,codec_type,codec_name,codec_tag_string,width,height,r_frame_rate,avg_frame_rate,nb_frames,"
        "duration,start_time,sample_aspect_ratio,pix_fmt,bits_per_raw_sample,color_space,color_range,"
        "color_transfer,color_primaries,field_order:stream_disposition=attached_pic:stream_side_data=rotation:"
        "format=duration,start_time";
    std::vector<std::string> arguments = {"ffprobe", "-v", "error", "-show_entries", entries, "-of", "default"};
    Append(&arguments, InputArguments(input));
    return arguments;
}

std::vector<std::string> FilterListArguments() { return {"ffmpeg", "-hide_banner", "-filters"}; }

std::vector<std::string> FrameTimeArguments(const VideoInput& input) {
    std::vector<std::string> arguments = {"ffprobe",         "-v",  "error",  "-select_streams", "V:0", "-show_entries",
                                          "packet=pts_time", "-of", "csv=p=0"};
    Append(&arguments, InputArguments(input));
    return arguments;
}

std::vector<std::string> DecodeArguments(const DecodeRequest& request) {
    std::vector<std::string> arguments = {"ffmpeg"};
    Append(&arguments, kQuiet);
    const bool camera = IsCamera(request.input.name);
    if (request.realTime && !camera) arguments.push_back("-re");
    if (request.loop && !camera) Append(&arguments, {"-stream_loop", "-1"});
    // The picture is turned by the filters below, after its fields are woven.
    arguments.push_back("-noautorotate");
    if (request.start > 0.0) Append(&arguments, {"-ss", Seconds(request.start)});
    Append(&arguments, InputArguments(request.input));
    if (request.duration > 0.0) Append(&arguments, {"-t", Seconds(request.duration)});
    std::string filters;
    if (request.deinterlace) filters += "bwdif=mode=send_frame,";
    filters += "fps=" + request.rate.Text() + ",";
    if (request.rotation == 90) filters += "transpose=clock,";
    if (request.rotation == 180) filters += "hflip,vflip,";
    if (request.rotation == 270) filters += "transpose=cclock,";
    if (request.cropWidth > 0)
        filters += "crop=" + std::to_string(request.cropWidth) + ":" + std::to_string(request.cropHeight) + ":0:0,";
    const std::string toSdr = request.toSdr ? ToSdrFilters(request.colour) : "";
    if (!toSdr.empty()) filters += toSdr + ",";
    filters += "scale=" + std::to_string(request.width) + ":" + std::to_string(request.height);
    // RGBA from ffmpeg is for the rarer formats: exact colours matter more than its speed there.
    const bool planes = request.layout == FrameLayout::Yuv420Planes;
    if (planes) {
        // Planes keep the input's range (a JPEG-style format's full range too); the host converts.
        filters += ":in_range=" + request.colour.range + ":out_range=" + request.colour.range;
    } else {
        if (!request.colour.matrix.empty() && toSdr.empty())
            filters +=
                ":in_color_matrix=" + ScaleMatrixName(request.colour.matrix) + ":in_range=" + request.colour.range;
        filters += ":flags=bicubic+accurate_rnd+full_chroma_int,vflip";
    }
    Append(&arguments, {"-map", "0:V:0", "-an", "-sn", "-dn", "-vf", filters});
    if (request.frames > 0) Append(&arguments, {"-frames:v", std::to_string(request.frames)});
    Append(&arguments, {"-f", "rawvideo", "-pix_fmt", planes ? "yuv420p" : "rgba", "pipe:1"});
    return arguments;
}

std::vector<std::string> EncodeArguments(const EncodeRequest& request) {
    std::vector<std::string> arguments = {"ffmpeg"};
    Append(&arguments, kQuiet);
    const char* pixelFormat = request.layout == FrameLayout::RgbaBottomUp ? "rgba" : "yuv420p";
    Append(&arguments, {"-y", "-f", "rawvideo", "-pix_fmt", pixelFormat, "-s", Size(request.width, request.height),
                        "-r", request.rate.Text(), "-i", "pipe:0"});
    if (!request.tracks.empty()) {
        // The tracks line up with the picture's first frame, `start` seconds after the file's
        // start. The tiny offset keeps ffmpeg from moving an MPEG-TS file's start to the first
        // track it reads, which would lose the sound's delay after the picture.
        Append(&arguments, {"-itsoffset", "0.000001"});
        if (request.start > 0.0) Append(&arguments, {"-ss", Seconds(request.start)});
        Append(&arguments, InputArguments(request.tracksInput));
    }
    Append(&arguments, {"-map", "0:v:0"});
    Append(&arguments, VideoFilters(request));
    Append(&arguments, VideoCodec(request.container));
    Append(&arguments, TrackArguments(request));
    if (request.stream) {
        // A pipe cannot be sought back into: MP4 and MOV then go out as fragments.
        if (request.container == Container::Mp4 || request.container == Container::Mov)
            Append(&arguments, {"-movflags", "frag_keyframe+empty_moov"});
        Append(&arguments, {"-f", MuxerName(request.container), "pipe:1"});
    } else {
        Append(&arguments, {"-f", MuxerName(request.container), FileName(request.output)});
    }
    return arguments;
}

FrameLayout EncodedLayout(Container container) {
    const bool planes = container == Container::Mp4 || container == Container::Webm || container == Container::Matroska;
    return planes ? FrameLayout::Yuv420Planes : FrameLayout::RgbaBottomUp;
}

std::vector<std::string> TrimArguments(const std::string& from, const std::string& to, Container container,
                                       double seconds) {
    std::vector<std::string> arguments = {"ffmpeg"};
    Append(&arguments, kQuiet);
    Append(&arguments, {"-y", "-i", FileName(from), "-map", "0", "-c", "copy", "-t", Seconds(seconds)});
    if (container == Container::Mp4) Append(&arguments, {"-movflags", "+faststart"});
    Append(&arguments, {"-f", MuxerName(container), FileName(to)});
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

std::string OutputErrors(const std::string& errorText) {
    std::string kept, line;
    std::istringstream lines(errorText);
    while (std::getline(lines, line)) {
        // "[mov,mp4,m4a,3gp,3g2,mj2 @ 0x...] ..." comes from a component; the muxers are ours.
        const bool component = line.rfind('[', 0) == 0;
        bool muxer = false;
        for (const char* name : {"[mp4 @", "[mov @", "[matroska @", "[webm @", "[gif @"})
            muxer = muxer || line.rfind(name, 0) == 0;
        const bool decoding = line.rfind("Error while decoding stream", 0) == 0;
        if ((!component || muxer) && !decoding && !line.empty()) kept += line + "\n";
    }
    return kept;
}
