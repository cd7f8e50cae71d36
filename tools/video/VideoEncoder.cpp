#include "tools/video/VideoEncoder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "tools/hostkit/OutputFile.h"

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

// ffmpeg says nothing when a device such as /dev/full refuses its writes; the host writes there itself.
bool NeedsStream(const std::string& output) {
    struct stat status {};
    return IsStandardOutput(output) || (stat(output.c_str(), &status) == 0 && !S_ISREG(status.st_mode));
}

}  // namespace

VideoEncoder::~VideoEncoder() {
    std::string ignored;
    if (writer.joinable() || copier.joinable()) Finish(&ignored);
}

bool VideoEncoder::Start(EncodeRequest request, std::string* note, std::string* error) {
    output = request.output;
    if (!MakeParentFolder(output, error)) return false;
    request.stream = NeedsStream(output);
    if (request.stream) {
        destination = IsStandardOutput(output) ? ReserveStandardOutput() : open(output.c_str(), O_WRONLY | O_CLOEXEC);
        if (destination < 0) {
            *error = "cannot write " + output + ": " + std::strerror(errno);
            return false;
        }
    }
    ChildPipes pipes;
    pipes.input = true;
    pipes.output = request.stream;
    if (!child.Start(EncodeArguments(request, note), pipes, error)) return false;
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
    FrameBytes frame;
    // Every queued frame goes in, a stop signal or not: what was rendered is kept.
    while (queue.Pop(&frame, false)) {
        if (!WriteAll(child.InputFd(), frame.data(), frame.size(), &writeError)) {
            broken = true;
            queue.Close();
            return;
        }
        ++framesWritten;
    }
}

bool VideoEncoder::Push(FrameBytes frame) { return !broken && queue.Push(std::move(frame), true); }

bool VideoEncoder::Finish(std::string* error) {
    queue.Close();
    if (writer.joinable()) writer.join();
    child.CloseInput();
    if (copier.joinable()) copier.join();
    const int status = child.Wait();
    if (destination >= 0 && !IsStandardOutput(output) && close(destination) != 0 && !copyError) copyError = errno;
    destination = -1;
    // ffmpeg reports a failed write of the file's end on standard error but exits with 0.
    const std::string errors = child.ErrorText();
    if (status == 0 && errors.empty() && !broken && !copyError) return true;
    const std::string name = IsStandardOutput(output) ? "standard output" : output;
    const std::string reason = copyError         ? std::strerror(copyError)
                               : !errors.empty() ? FfmpegReason(errors)
                               : broken          ? std::string("ffmpeg stopped reading: ") + std::strerror(writeError)
                                                 : "ffmpeg failed with status " + std::to_string(status);
    *error = "cannot write " + name + ": " + reason;
    removedPartial = RemovePartialOutput(output) || removedPartial;
    return false;
}
