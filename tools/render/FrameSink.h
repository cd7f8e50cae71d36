// Where rendered frames go: one picture (the last frame), a picture per frame, or a video
// through ffmpeg. Frames arrive as GL stores them, bottom row first.
#pragma once

#include <string>

#include "tools/hostcli/FramePath.h"
#include "tools/hostcli/PictureWrite.h"
#include "tools/render/RenderPlan.h"
#include "tools/video/VideoEncoder.h"

class FrameSink {
public:
    // `input` gives the video's other tracks the plan keeps.
    bool Open(const std::string& name, const RenderPlan& renderPlan, const VideoInput& input, std::string* error);
    // Frame `number` counts from 1. False with "cannot write PATH: REASON".
    bool Write(long number, FrameBytes frame, std::string* error);
    // Writes a single picture (the last frame) and puts a video in place so that it plays;
    // `cutSeconds` above 0 cuts the video's other tracks to that length first (an interrupted
    // render). False with the reason; nothing partial is then left.
    bool Finish(double cutSeconds, std::string* error);
    // After a failure: ends ffmpeg and removes what it wrote.
    void Abort();
    // How many frames are in the output so far.
    long FramesWritten() const;
    // After a failure: how far it came, for the message ("the video failed after 12 of 48
    // frames; the partial file is removed"); empty for a single picture.
    std::string FailureContext() const;

private:
    PictureKind Kind() const;

    std::string output;
    RenderPlan plan;
    FramePath path;
    VideoEncoder encoder;
    FrameBytes lastFrame;
    long written = 0;
};
