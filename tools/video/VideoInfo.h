// What ffprobe says about an input: its picture (size, rotation, pixel shape, colour, fields),
// frame rate, length, and every other track it holds.
#pragma once

#include <string>
#include <vector>

// A frame rate as ffmpeg writes it ("30000/1001", "24/1").
struct FrameRate {
    long numerator = 0;
    long denominator = 1;

    double Value() const { return denominator > 0 ? static_cast<double>(numerator) / denominator : 0.0; }
    std::string Text() const { return std::to_string(numerator) + "/" + std::to_string(denominator); }
};

// "30", "29.97" or "30000/1001"; false for anything not positive and finite (up to 1000 fps).
bool ParseFrameRate(const std::string& text, FrameRate* rate);

// One track of the input file, as ffprobe lists it.
struct StreamInfo {
    int index = 0;     // its number in the file
    std::string type;  // "video", "audio", "subtitle", "data", "attachment"
    std::string codec;
    std::string tag;     // the container's four letters for it ("tmcd" for a timecode)
    double start = 0.0;  // its first timestamp, seconds; 0 when the file does not say
    bool hasStart = false;
    bool coverPicture = false;  // a still attached to audio, not a video
};

// How the file says its picture's colours are coded; empty where it does not say.
struct ColourTags {
    std::string matrix;     // ffprobe's color_space: "bt709", "smpte170m", "bt2020nc"...
    std::string range;      // "tv" (limited) or "pc" (full)
    std::string transfer;   // "bt709", "smpte2084" (PQ), "arib-std-b67" (HLG)...
    std::string primaries;  // "bt709", "bt2020"...
};

struct VideoInfo {
    bool hasVideo = false;
    int width = 0;  // as stored, before rotation and pixel shape
    int height = 0;
    FrameRate rate;      // the average rate; for a rate that varies, the highest it keeps up
    FrameRate baseRate;  // ffprobe's r_frame_rate: differs from the average when the rate varies
    bool variableRate = false;
    double lowestRate = 0.0;   // with a variable rate, the lowest it keeps up
    double duration = 0.0;     // seconds; 0 when unknown
    long frameCount = -1;      // from the container; -1 when it does not say
    int rotation = 0;          // clockwise degrees the picture is turned when shown: 0, 90, 180 or 270
    long aspectNumerator = 1;  // the pixels' shape (sample aspect ratio)
    long aspectDenominator = 1;
    std::string pixelFormat;  // "yuv420p", "yuv420p10le", "rgb24"...
    int bitDepth = 8;
    ColourTags colour;
    bool sdrFilters = true;  // the ffmpeg here has zscale and tonemap, which bring HDR to SDR
    bool interlaced = false;
    std::string fieldOrder;    // "tt", "bb", "tb", "bt" when interlaced
    int videoStream = -1;      // the index of the picture's track
    double videoStart = 0.0;   // its first timestamp
    double formatStart = 0.0;  // the file's own start, which ffmpeg counts --start from
    bool hasAudio = false;
    std::string audioCodec;           // the first audio track's, ffmpeg's name ("aac", "opus", "pcm_s16le")
    std::vector<StreamInfo> streams;  // every track, the picture's too
};

// Reads ffprobe's "-of default" output of streams and format.
VideoInfo ParseProbeOutput(const std::string& text);

// Frames in [start, start + duration) at the rate; duration 0 means to the end.
long ExpectedFrames(const VideoInfo& info, const FrameRate& rate, double start, double duration);
