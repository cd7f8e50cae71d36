// The Windows host runs no ffmpeg: video in and out is a Linux feature, and every video
// call on Windows answers that it is not available.
#include "tools/video/VideoDecoder.h"
#include "tools/video/VideoEncoder.h"
#include "tools/video/VideoProbe.h"

namespace {

constexpr const char* kNotHere = "video through ffmpeg is not available on Windows";

bool NotAvailable(std::string* error) {
    *error = kNotHere;
    return false;
}

}  // namespace

bool ProbeVideo(const VideoInput&, VideoInfo*, std::string* error) { return NotAvailable(error); }

bool VideoDecoder::Start(const DecodeRequest&, bool, std::string* error) { return NotAvailable(error); }
bool VideoDecoder::Next(FrameBytes*) { return false; }
std::string VideoDecoder::Problem() { return kNotHere; }
bool VideoDecoder::TryNext(FrameBytes*, int) { return false; }
void VideoDecoder::Stop() {}

bool VideoEncoder::Start(const EncodeRequest&, std::string* error) { return NotAvailable(error); }
bool VideoEncoder::Push(FrameBytes) { return false; }
bool VideoEncoder::Finish(double, std::string* error) { return NotAvailable(error); }
void VideoEncoder::Abort() {}
