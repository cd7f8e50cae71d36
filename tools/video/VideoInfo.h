// What ffprobe says about an input: its picture size, frame rate, length and audio.
#pragma once

#include <string>

// A frame rate as ffmpeg writes it ("30000/1001", "24/1").
struct FrameRate {
    long numerator = 0;
    long denominator = 1;

    double Value() const { return denominator > 0 ? static_cast<double>(numerator) / denominator : 0.0; }
    std::string Text() const { return std::to_string(numerator) + "/" + std::to_string(denominator); }
};

// "30", "29.97" or "30000/1001"; false for anything not positive and finite (up to 1000 fps).
bool ParseFrameRate(const std::string& text, FrameRate* rate);

struct VideoInfo {
    bool hasVideo = false;
    int width = 0;
    int height = 0;
    FrameRate rate;
    double duration = 0.0;  // seconds; 0 when unknown
    long frameCount = -1;   // from the container; -1 when it does not say
    bool hasAudio = false;
    std::string audioCodec;  // ffmpeg's name ("aac", "opus", "pcm_s16le")
};

// Reads ffprobe's "-of default" output of streams and format.
VideoInfo ParseProbeOutput(const std::string& text);

// Frames in [start, start + duration) at the rate; duration 0 means to the end.
long ExpectedFrames(const VideoInfo& info, const FrameRate& rate, double start, double duration);
