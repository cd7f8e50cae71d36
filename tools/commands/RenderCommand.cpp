#include "tools/commands/RenderCommand.h"

#include <cstdio>
#include <memory>

#include "tools/hostcli/Automation.h"
#include "tools/hostcli/ExitStatus.h"
#include "tools/hostcli/InputPicture.h"
#include "tools/hostcli/Progress.h"
#include "tools/hostcli/RenderSession.h"
#include "tools/hostkit/GlContext.h"
#include "tools/hostkit/StopSignals.h"
#include "tools/render/FrameSink.h"
#include "tools/render/FrameSource.h"
#include "tools/video/VideoProbe.h"

namespace {

struct RenderJob {
    const HostOptions& options;
    RenderPlan plan;
    std::vector<Automation> automations;
    std::vector<ParameterSetting> texts;
};

// Sends the automated values that differ from what the plug-in already has.
bool ApplyAutomation(const RenderJob& job, long frame, RenderSession& session, std::vector<ParameterValue>* sent,
                     std::string* error) {
    const double seconds = frame / job.plan.rate.Value();
    for (const ParameterValue& value : ValuesAt(job.automations, seconds, job.plan.LastFrameSeconds())) {
        bool same = false;
        for (const ParameterValue& old : *sent) same = same || (old.index == value.index && old.value == value.value);
        if (same) continue;
        if (!session.SetValue(value.index, value.value, error)) return false;
        std::erase_if(*sent, [&](const ParameterValue& old) { return old.index == value.index; });
        sent->push_back(value);
    }
    return true;
}

std::string FramesText(long count) { return std::to_string(count) + (count == 1 ? " frame" : " frames"); }

int FailWriting(const FrameSink& sink, const std::string& error) {
    const std::string context = sink.FailureContext();
    return Fail(context.empty() ? error : error + " (" + context + ")");
}

// Every frame: the next input, the automated values, code 17, the output.
int Render(PluginClient& client, const RenderJob& job, FrameSource& source, FrameSink& sink) {
    std::string error;
    RenderSession session(client);
    if (!session.Start(source.FirstPicture(), job.plan.width, job.plan.height, job.options.pad, job.texts, &error))
        return Fail(error);
    // A user rendering a frame expects the overlay picture in it, however long it loads.
    if (!session.AwaitFiles(job.texts, kFileLoadSeconds, &error)) return Fail(error);
    ProgressReport progress(job.plan.frames, job.options.quiet);
    std::vector<ParameterValue> sent;
    long done = 0;
    for (; job.plan.frames == 0 || done < job.plan.frames; ++done) {
        if (StopSignal()) break;
        FrameBytes frame;
        if (source.IsVideo()) {
            if (!source.Next(&frame, &error)) {
                if (!error.empty()) return Fail(error);
                break;
            }
            session.UploadInput(frame.data());
        }
        if (!ApplyAutomation(job, done, session, &sent, &error) || !session.RenderFrame(&error)) return Fail(error);
        session.ReadOutputRows(&frame);
        if (!sink.Write(done + 1, std::move(frame), &error)) return FailWriting(sink, error);
        progress.Frame(done + 1);
    }
    source.Stop();
    if (!sink.Finish(&error)) return FailWriting(sink, error);
    if (StopSignal()) {
        std::fprintf(stderr, "vigil-host: stopped by %s after %s; %s holds what was rendered\n",
                     StopSignalName(StopSignal()), FramesText(done).c_str(), job.options.output.c_str());
        return kExitFailure;
    }
    progress.Finish(done);
    return kExitOk;
}

// Probes a video input and opens the source and sink the plan calls for.
bool Prepare(RenderJob* job, FrameSource* source, FrameSink* sink, std::string* error) {
    const HostOptions& options = job->options;
    const bool still = IsStillInput(options.input);
    VideoInfo info;
    if (!still && !ProbeVideo(options.input, &info, error)) return false;
    const bool moving = !still || options.framesGiven || options.duration > 0.0;
    Container container;
    if (!ChooseOutputFormat(options.output, options.format, moving, &container, error) ||
        !PlanRender(options, still ? nullptr : &info, container, &job->plan, error))
        return false;
    const DecodeRequest request{options.input, job->plan.width,  job->plan.height, job->plan.rate,
                                options.start, options.duration, job->plan.frames};
    const bool opened = still ? source->OpenStill(options.input, job->plan.width, job->plan.height, error)
                              : source->OpenVideo(request, false, error);
    std::string note;
    if (!opened || !sink->Open(options.output, job->plan, options.input, options.start, &note, error)) return false;
    if (!note.empty()) std::fprintf(stderr, "vigil-host: %s\n", note.c_str());
    return true;
}

}  // namespace

int RunRender(const HostOptions& options) {
    CatchStopSignals();
    std::string error;
    PluginClient client;
    std::vector<ParameterInfo> parameters;
    RenderJob job{options, {}, {}, {}};
    if (!client.Open(options.library, &error) || !client.ReadParameters(&parameters, &error) ||
        !ParseAutomations(options.settings, parameters, &job.automations, &job.texts, &error))
        return Fail(error);
    FrameSource source;
    FrameSink sink;
    if (!Prepare(&job, &source, &sink, &error)) return Fail(error);
    std::unique_ptr<GlContext> context =
        GlContext::Create(&error, {.forwardCompatible = job.options.forwardCompatible});
    if (!context) {
        sink.Abort();
        return Fail(error);
    }
    const int status = Render(client, job, source, sink);
    // A render that failed leaves no half-made video behind.
    if (status != kExitOk && !StopSignal()) sink.Abort();
    return status;
}
