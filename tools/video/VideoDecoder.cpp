#include "tools/video/VideoDecoder.h"

#include <unistd.h>

#include <cerrno>

#include "tools/hostkit/StopSignals.h"
#include "tools/video/FrameMemory.h"

namespace {

// Fills the whole buffer; false at the end of the stream (or a broken one).
bool ReadFrame(int fd, FrameBytes* frame) {
    size_t done = 0;
    while (done < frame->size()) {
        const ssize_t got = read(fd, frame->data() + done, frame->size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        done += static_cast<size_t>(got);
    }
    return true;
}

}  // namespace

bool VideoDecoder::Start(const DecodeRequest& decode, bool latestOnly, std::string* error) {
    request = decode;
    KeepFrameMemory();
    ChildPipes pipes;
    pipes.output = true;
    pipes.environment = FrameMemoryEnvironment();
    if (!child.Start(DecodeArguments(request), pipes, error)) return false;
    reader = std::thread([this, latestOnly] { ReadFrames(latestOnly); });
    return true;
}

void VideoDecoder::ReadFrames(bool latestOnly) {
    const bool planes = request.layout == FrameLayout::Yuv420Planes;
    const size_t rgbaBytes = static_cast<size_t>(request.width) * request.height * 4;
    const YuvCoding coding = CodingOf(request.colour);
    FrameBytes yuv(planes ? Yuv420Bytes(request.width, request.height) : 0);
    for (;;) {
        FrameBytes frame(rgbaBytes);
        if (!ReadFrame(child.OutputFd(), planes ? &yuv : &frame)) {
            ended = true;
            break;
        }
        if (planes) Yuv420ToRgba(yuv.data(), request.width, request.height, coding, frame.data());
        ++framesRead;
        if (latestOnly)
            queue.PushLatest(std::move(frame));
        else if (!queue.Push(std::move(frame), false))
            break;
    }
    queue.Close();
}

bool VideoDecoder::Next(FrameBytes* frame) { return queue.Pop(frame, true); }

std::string VideoDecoder::Problem() {
    // Frames nobody takes any more are dropped; a decoder not at its end has nothing to report.
    queue.Close();
    if (reader.joinable()) reader.join();
    if (!ended) return "";
    const int status = child.Wait();
    const std::string errors = child.ErrorText();
    if (!errors.empty()) return FfmpegReason(errors);
    return status == 0 ? "" : "ffmpeg failed with status " + std::to_string(status);
}

bool VideoDecoder::TryNext(FrameBytes* frame, int milliseconds) { return queue.PopWithin(frame, milliseconds); }

void VideoDecoder::Stop() {
    queue.Close();
    // The decoder may be blocked writing a frame nobody reads, and has nothing to finish.
    child.Kill();
    if (reader.joinable()) reader.join();
    child.Wait();
    child.CloseOutput();
}
