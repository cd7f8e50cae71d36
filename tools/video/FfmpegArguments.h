// The command lines of the ffmpeg programs the host runs: ffprobe to read an input, one
// ffmpeg to decode it into raw RGBA frames, one to encode the rendered frames. Frames on
// the pipes run bottom row first, as GL stores them; ffmpeg turns them over.
#pragma once

#include <string>
#include <vector>

#include "tools/video/OutputFormat.h"
#include "tools/video/VideoInfo.h"

std::vector<std::string> ProbeArguments(const std::string& input);

// True for a camera (a V4L2 device such as /dev/video0).
bool IsCamera(const std::string& input);

struct DecodeRequest {
    std::string input;
    int width = 0;  // frames are scaled to this size
    int height = 0;
    FrameRate rate;         // frames are dropped or repeated to this rate
    double start = 0.0;     // seconds into the input
    double duration = 0.0;  // seconds; 0: to the end
    long frames = 0;        // at most this many; 0: all
    bool loop = false;      // a file starts again at its end
    bool realTime = false;  // frames come at the input's own pace
};

std::vector<std::string> DecodeArguments(const DecodeRequest& request);

struct EncodeRequest {
    Container container = Container::Mp4;
    std::string output;
    bool stream = false;  // written to ffmpeg's standard output, as a stream (for pipes and devices)
    int width = 0;
    int height = 0;
    FrameRate rate;
    // Audio taken from the input, same span: empty when there is none.
    std::string audioInput;
    std::string audioCodec;
    double start = 0.0;
    double duration = 0.0;
};

// The encoder's arguments; `note` says when the input's audio cannot go into the container
// as it is and is converted (or, for a GIF, left out).
std::vector<std::string> EncodeArguments(const EncodeRequest& request, std::string* note);

// The reason in ffmpeg's error text: its last line, after the last "name: " prefix
// ("No space left on device").
std::string FfmpegReason(const std::string& errorText);
