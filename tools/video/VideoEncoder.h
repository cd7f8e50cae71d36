// The rendered frames as a video: ffmpeg encodes them in a process of its own and a writer
// thread feeds it, so that encoding overlaps rendering.
#pragma once

#include <atomic>
#include <string>
#include <thread>

#include "tools/hostkit/ChildProcess.h"
#include "tools/video/FfmpegArguments.h"
#include "tools/video/FrameQueue.h"

class VideoEncoder {
public:
    VideoEncoder() = default;
    ~VideoEncoder();
    VideoEncoder(const VideoEncoder&) = delete;
    VideoEncoder& operator=(const VideoEncoder&) = delete;

    // A regular file ffmpeg writes itself; standard output ("-"), a pipe or a device gets a
    // stream that the host copies there, checking every write. `note` tells what happens to
    // the input's audio when it cannot go in as it is.
    bool Start(EncodeRequest request, std::string* note, std::string* error);
    // Queues one frame (RGBA, bottom row first); false once ffmpeg has failed or on a stop signal.
    bool Push(FrameBytes frame);
    // Ends the stream and waits for ffmpeg to close the file. False with ffmpeg's reason
    // ("cannot write out.mp4: No space left on device") when anything failed; the partial
    // file is then removed.
    bool Finish(std::string* error);
    long FramesWritten() const { return framesWritten; }
    // Whether a failed Finish removed a partial file.
    bool RemovedPartial() const { return removedPartial; }

private:
    void WriteFrames();
    void CopyStream();

    std::string output;
    ChildProcess child;
    FrameQueue queue{3};
    std::thread writer;
    std::thread copier;
    int destination = -1;  // a stream's destination
    int copyError = 0;
    std::atomic<bool> broken{false};
    std::atomic<long> framesWritten{0};
    int writeError = 0;
    bool removedPartial = false;
};
