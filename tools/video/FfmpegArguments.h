// The command lines of the ffmpeg programs the host runs: ffprobe to read an input, one
// ffmpeg to decode it into raw RGBA frames, one to encode the rendered frames, and one to
// cut an interrupted render's sound to its pictures. Decoded frames run bottom row first,
// as GL stores them; ffmpeg turns them over.
#pragma once

#include <string>
#include <vector>

#include "tools/video/OutputFormat.h"
#include "tools/video/TrackChoice.h"
#include "tools/video/VideoInfo.h"

// How ffmpeg opens an input: a local file by name whatever its characters ("file:" keeps a
// colon from reading as a protocol), a numbered picture sequence by its pattern at a rate,
// a URL or a camera as it stands.
struct VideoInput {
    std::string name;
    FrameRate sequenceRate;  // numerator 0: not a picture sequence
};

std::vector<std::string> ProbeArguments(const VideoInput& input);
// The timestamps of the picture's frames, for a rate that varies.
std::vector<std::string> FrameTimeArguments(const VideoInput& input);
// ffmpeg's list of its filters.
std::vector<std::string> FilterListArguments();

// True for a camera (a V4L2 device such as /dev/video0).
bool IsCamera(const std::string& input);

// The form frames take on a pipe between ffmpeg and the host.
enum class FrameLayout {
    RgbaBottomUp,  // as GL stores them
    Yuv420Planes,  // 8-bit planar 4:2:0, top row first, in the video's own colours
};

// Whether frames of this pixel format ("yuv420p", "yuvj420p", "yuv420p10le"...) come from
// ffmpeg as 4:2:0 planes without losing anything the host keeps (8 bits, the same chroma).
bool DecodesAsYuv420(const std::string& pixelFormat);

struct DecodeRequest {
    VideoInput input;
    int width = 0;  // frames are scaled to this size
    int height = 0;
    FrameRate rate;         // frames are repeated or dropped to this rate
    double start = 0.0;     // seconds into the input
    double duration = 0.0;  // seconds; 0: to the end
    long frames = 0;        // at most this many; 0: all
    bool loop = false;      // a file starts again at its end
    bool realTime = false;  // frames come at the input's own pace
    // On the way, in this order: fields woven into frames, the picture turned upright
    // (clockwise degrees), cut to cropWidth x cropHeight from the top left (0: whole), read
    // with its colour tags (HDR tone-mapped) and scaled.
    bool deinterlace = false;
    int rotation = 0;
    int cropWidth = 0;
    int cropHeight = 0;
    ColourTags colour;                               // filled in (see InputColour); empty: ffmpeg's defaults
    bool toSdr = false;                              // HDR or BT.2020 brought to SDR BT.709 first (ToSdrFilters)
    FrameLayout layout = FrameLayout::RgbaBottomUp;  // on the pipe; the decoder hands on RGBA
};

std::vector<std::string> DecodeArguments(const DecodeRequest& request);

struct EncodeRequest {
    Container container = Container::Mp4;
    std::string output;   // the file ffmpeg writes
    bool stream = false;  // written to ffmpeg's standard output instead, as a stream (for pipes and devices)
    int width = 0;
    int height = 0;
    FrameRate rate;
    FrameLayout layout = FrameLayout::RgbaBottomUp;
    ColourTags colour;       // what the video is converted to and tagged with
    std::string fieldOrder;  // "tt" or "bb": frames that hold two fields, coded as such
    // The input's other tracks that go in (empty: none), from `start` seconds into it (as
    // ffmpeg counts, from the file's start) for `duration` (0: to their end).
    VideoInput tracksInput;
    std::vector<TrackCopy> tracks;
    double start = 0.0;
    double duration = 0.0;
};

std::vector<std::string> EncodeArguments(const EncodeRequest& request);

// The layout a container's encoder takes as it is: 4:2:0 planes for H.264 and VP9.
FrameLayout EncodedLayout(Container container);

// Copies `from` into `to` (the same container) with every track cut at `seconds`.
std::vector<std::string> TrimArguments(const std::string& from, const std::string& to, Container container,
                                       double seconds);

// The lines of an encoding ffmpeg's error text that speak of its output: its own lines and
// its muxer's, not those of the demuxers and decoders reading the input's tracks.
std::string OutputErrors(const std::string& errorText);

// The reason in ffmpeg's error text: its last line, after the last "name: " prefix
// ("No space left on device").
std::string FfmpegReason(const std::string& errorText);
