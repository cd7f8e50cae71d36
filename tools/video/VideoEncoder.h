// The rendered frames as a video: ffmpeg encodes them in a process of its own and a writer
// thread feeds it, so that encoding overlaps rendering. A file is written under a temporary
// name beside its own and put in place only when complete.
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
    ~VideoEncoder() { Abort(); }
    VideoEncoder(const VideoEncoder&) = delete;
    VideoEncoder& operator=(const VideoEncoder&) = delete;

    // A regular file gets a temporary file ffmpeg writes itself; standard output ("-"), a pipe
    // or a device gets a stream that the host copies there, checking every write.
    bool Start(const EncodeRequest& encode, std::string* error);
    // Queues one frame, RGBA bottom row first (converted to the request's layout on the way);
    // false once ffmpeg has failed or on a stop signal.
    bool Push(FrameBytes frame);
    // Ends the stream, waits for ffmpeg and puts the file in place. With `cutSeconds` above 0
    // the other tracks are first cut to that length, so that an interrupted render's sound
    // ends with its pictures. False with ffmpeg's reason ("cannot write out.mp4: No space
    // left on device") when anything failed; nothing is then left behind.
    bool Finish(double cutSeconds, std::string* error);
    // After a failure elsewhere: ends ffmpeg and removes what it wrote.
    void Abort();
    long FramesWritten() const { return framesWritten; }
    // Whether a failure removed a partial file.
    bool RemovedPartial() const { return removedPartial; }

private:
    void WriteFrames();
    void CopyStream();
    // Ends the frames and waits for ffmpeg; its exit status.
    int EndStream();
    bool CutTracks(double seconds);

    EncodeRequest request;
    std::string temporary;  // the file ffmpeg writes until it is complete
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
