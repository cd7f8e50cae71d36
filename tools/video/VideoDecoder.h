// An input video as raw frames: ffmpeg decodes it in a process of its own and a reader
// thread keeps a few frames ready, so that decoding overlaps rendering.
#pragma once

#include <atomic>
#include <string>
#include <thread>

#include "tools/hostkit/ChildProcess.h"
#include "tools/video/FfmpegArguments.h"
#include "tools/video/FrameQueue.h"
#include "tools/video/YuvFrames.h"

class VideoDecoder {
public:
    VideoDecoder() = default;
    ~VideoDecoder() { Stop(); }
    VideoDecoder(const VideoDecoder&) = delete;
    VideoDecoder& operator=(const VideoDecoder&) = delete;

    // latestOnly: a live picture keeps only the newest frame instead of every one.
    bool Start(const DecodeRequest& decode, bool latestOnly, std::string* error);
    // The next frame, RGBA with the bottom row first. False at the end or on a stop signal.
    bool Next(FrameBytes* frame);
    // After the last frame taken: what ffmpeg reported going wrong ("partial file", "Invalid
    // data found when processing input"), for an input it cannot read or one that is damaged;
    // empty when it ended cleanly or had not come to its end.
    std::string Problem();
    // Waits for the next frame at most `milliseconds`; false when none came (yet).
    bool TryNext(FrameBytes* frame, int milliseconds);
    long FramesRead() const { return framesRead; }
    // Ends ffmpeg and the reader.
    void Stop();

private:
    void ReadFrames(bool latestOnly);

    DecodeRequest request;
    ChildProcess child;
    FrameQueue queue{3};
    std::thread reader;
    std::atomic<long> framesRead{0};
    std::atomic<bool> ended{false};  // the reader came to the end of ffmpeg's output
};
