#include "tools/video/VideoEncoder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "tools/hostkit/OutputFile.h"
#include "tools/video/FrameMemory.h"
#include "tools/video/YuvFrames.h"

namespace {

bool WriteAll(int fd, const uint8_t* data, size_t size, int* error) {
    size_t done = 0;
    while (done < size) {
        const ssize_t wrote = write(fd, data + done, size - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) {
            *error = errno;
            return false;
        }
        done += static_cast<size_t>(wrote);
    }
    return true;
}

}  // namespace

bool VideoEncoder::Start(const EncodeRequest& encode, std::string* error) {
    request = encode;
    const std::string& output = request.output;
    if (!MakeParentFolder(output, error)) return false;
    // ffmpeg says nothing when a device such as /dev/full refuses its writes; the host writes there itself.
    request.stream = WritesInPlace(output);
    if (request.stream) {
        destination = IsStandardOutput(output) ? ReserveStandardOutput() : open(output.c_str(), O_WRONLY | O_CLOEXEC);
        if (destination < 0) {
            *error = "cannot write " + output + ": " + std::strerror(errno);
            return false;
        }
    } else {
        temporary = MakeTemporaryBeside(output, error);
        if (temporary.empty()) return false;
    }
    EncodeRequest arguments = request;
    arguments.output = temporary;
    KeepFrameMemory();
    ChildPipes pipes;
    pipes.input = true;
    pipes.output = request.stream;
    pipes.environment = FrameMemoryEnvironment();
    if (!child.Start(EncodeArguments(arguments), pipes, error)) {
        Abort();
        return false;
    }
    writer = std::thread([this] { WriteFrames(); });
    if (request.stream) copier = std::thread([this] { CopyStream(); });
    return true;
}

void VideoEncoder::CopyStream() {
    uint8_t buffer[1 << 16];
    for (;;) {
        const ssize_t got = read(child.OutputFd(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        // After a failed write the rest is read and dropped, so that ffmpeg can end.
        if (!copyError) WriteAll(destination, buffer, static_cast<size_t>(got), &copyError);
    }
}

void VideoEncoder::WriteFrames() {
    const bool planes = request.layout == FrameLayout::Yuv420Planes;
    const YuvCoding coding = CodingOf(request.colour);
    FrameBytes frame, yuv(planes ? Yuv420Bytes(request.width, request.height) : 0);
    // Every queued frame goes in, a stop signal or not: what was rendered is kept.
    while (queue.Pop(&frame, false)) {
        if (planes) RgbaToYuv420(frame.data(), request.width, request.height, coding, yuv.data());
        const FrameBytes& sent = planes ? yuv : frame;
        if (!WriteAll(child.InputFd(), sent.data(), sent.size(), &writeError)) {
            broken = true;
            queue.Close();
            return;
        }
        ++framesWritten;
    }
}

bool VideoEncoder::Push(FrameBytes frame) { return !broken && queue.Push(std::move(frame), true); }

int VideoEncoder::EndStream() {
    queue.Close();
    if (writer.joinable()) writer.join();
    child.CloseInput();
    if (copier.joinable()) copier.join();
    const int status = child.Wait();
    if (destination >= 0 && !IsStandardOutput(request.output) && close(destination) != 0 && !copyError)
        copyError = errno;
    destination = -1;
    return status;
}

bool VideoEncoder::CutTracks(double seconds) {
    std::string ignored;
    const std::string cut = MakeTemporaryBeside(request.output, &ignored);
    ChildProcess trim;
    if (cut.empty() || !trim.Start(TrimArguments(temporary, cut, request.container, seconds), {}, &ignored) ||
        trim.Wait() != 0 || !OutputErrors(trim.ErrorText()).empty()) {
        if (!cut.empty()) RemoveTemporary(cut);
        return false;
    }
    RemoveTemporary(temporary);
    temporary = cut;
    return true;
}

bool VideoEncoder::Finish(double cutSeconds, std::string* error) {
    if (!child.Running() && temporary.empty() && destination < 0) return true;
    const int status = EndStream();
    // ffmpeg reports a failed write of the file's end on standard error but exits with 0;
    // what it says then about reading the input's tracks is no failure of the output.
    const std::string errors = status == 0 ? OutputErrors(child.ErrorText()) : child.ErrorText();
    if (status == 0 && errors.empty() && !broken && !copyError) {
        if (temporary.empty()) return true;
        // Should the cut fail, the whole sound is better than no file.
        if (cutSeconds > 0.0 && !request.tracks.empty()) CutTracks(cutSeconds);
        const bool placed = MoveIntoPlace(temporary, request.output, error);
        removedPartial = !placed;
        temporary.clear();
        return placed;
    }
    const std::string name = IsStandardOutput(request.output) ? "standard output" : request.output;
    const std::string reason = copyError         ? std::strerror(copyError)
                               : !errors.empty() ? FfmpegReason(errors)
                               : broken          ? std::string("ffmpeg stopped reading: ") + std::strerror(writeError)
                                                 : "ffmpeg failed with status " + std::to_string(status);
    *error = "cannot write " + name + ": " + reason;
    Abort();
    return false;
}

void VideoEncoder::Abort() {
    if (writer.joinable() || child.Running()) {
        // Nothing it makes is kept: it need not finish.
        child.Kill();
        EndStream();
    }
    if (temporary.empty()) return;
    RemoveTemporary(temporary);
    temporary.clear();
    removedPartial = true;
}
