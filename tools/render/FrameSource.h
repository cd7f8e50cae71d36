// The pictures a render or the live window feeds the plug-in: one still picture (a file
// or the test card), or the frames of a video or camera decoded by ffmpeg.
#pragma once

#include <string>

#include "tools/hostcli/Picture.h"
#include "tools/video/VideoDecoder.h"

class FrameSource {
public:
    // A picture, or the test card at the given size.
    bool OpenStill(const std::string& input, int width, int height, std::string* error);
    // Cuts the picture by a pixel to width x height when it is that much larger: an odd
    // side the output cannot take.
    void FitStill(int width, int height);
    // A video scaled to the given size and rate.
    bool OpenVideo(const DecodeRequest& request, bool live, std::string* error);

    // The first picture, top row first, for the render session's input texture.
    const Picture& FirstPicture() const { return still; }
    bool IsVideo() const { return video; }
    // The next frame of a video, bottom row first; see VideoDecoder.
    bool Next(FrameBytes* frame) { return decoder.Next(frame); }
    std::string Problem() { return decoder.Problem(); }
    long FramesRead() const { return decoder.FramesRead(); }
    bool TryNext(FrameBytes* frame, int milliseconds) { return decoder.TryNext(frame, milliseconds); }
    void Stop() { decoder.Stop(); }

private:
    Picture still;
    bool video = false;
    VideoDecoder decoder;
};
