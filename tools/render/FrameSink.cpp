#include "tools/render/FrameSink.h"

#include "tools/hostcli/PictureWrite.h"
#include "tools/hostkit/OutputFile.h"
#include "tools/hostkit/StopSignals.h"

bool FrameSink::Open(const std::string& name, const RenderPlan& renderPlan, const VideoInput& input,
                     std::string* error) {
    output = name;
    plan = renderPlan;
    if (!IsVideo(plan.container)) return path.Parse(output, error) && MakeParentFolder(output, error);
    EncodeRequest request;
    request.container = plan.container;
    request.output = output;
    request.width = plan.width;
    request.height = plan.height;
    request.rate = plan.rate;
    request.layout = EncodedLayout(plan.container);
    request.colour = plan.colour;
    request.fieldOrder = plan.fieldOrder;
    request.tracksInput = input;
    request.tracks = plan.tracks;
    request.start = plan.tracksStart;
    request.duration = plan.tracksSeconds;
    return encoder.Start(request, error);
}

bool FrameSink::Write(long number, FrameBytes frame, std::string* error) {
    if (IsVideo(plan.container)) {
        // A stop signal is no failure of the output: the render loop sees it next.
        if (encoder.Push(std::move(frame)) || StopSignal()) return true;
        Finish(0.0, error);  // ffmpeg has failed: its reason
        return false;
    }
    if (!path.everyFrame) {
        // One picture holds the last frame, whenever the render ends.
        lastFrame = std::move(frame);
        return true;
    }
    if (!WritePicture(path.ForFrame(static_cast<int>(number)), Kind(), {plan.width, plan.height, frame.data(), true},
                      error))
        return false;
    ++written;
    return true;
}

bool FrameSink::Finish(double cutSeconds, std::string* error) {
    if (IsVideo(plan.container)) return encoder.Finish(cutSeconds, error);
    if (lastFrame.empty()) return true;
    if (!WritePicture(output, Kind(), {plan.width, plan.height, lastFrame.data(), true}, error)) return false;
    written = 1;
    lastFrame.clear();
    return true;
}

PictureKind FrameSink::Kind() const { return plan.container == Container::Jpeg ? PictureKind::Jpeg : PictureKind::Png; }

void FrameSink::Abort() { encoder.Abort(); }

std::string FrameSink::FailureContext() const {
    const std::string of = std::to_string(FramesWritten()) + " of " + std::to_string(plan.frames) + " frames";
    if (IsVideo(plan.container))
        return "the video failed after " + of + (encoder.RemovedPartial() ? "; the partial file is removed" : "");
    return path.everyFrame ? of + " were written" : "";
}

long FrameSink::FramesWritten() const { return IsVideo(plan.container) ? encoder.FramesWritten() : written; }
