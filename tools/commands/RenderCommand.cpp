#include "tools/commands/RenderCommand.h"

#include <cstdio>
#include <memory>

#include "tools/hostcli/Automation.h"
#include "tools/hostcli/ExitStatus.h"
#include "tools/hostcli/InputPicture.h"
#include "tools/hostcli/Progress.h"
#include "tools/hostcli/RenderSession.h"
#include "tools/hostcli/ThisPlugin.h"
#include "tools/hostkit/GlContext.h"
#include "tools/hostkit/StopSignals.h"
#include "tools/render/FrameSink.h"
#include "tools/render/FrameSource.h"
#include "tools/render/InputOverwrite.h"
#include "tools/video/VideoProbe.h"

namespace {

struct RenderJob {
    HostOptions options;  // a picture file's own size in place of the default
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

std::string OutputName(const std::string& output) { return output == "-" ? "standard output" : output; }

int FailWriting(const FrameSink& sink, const std::string& error) {
    const std::string context = sink.FailureContext();
    return Fail(context.empty() ? error : error + " (" + context + ")");
}

// How a render ends once its frames are done: the output put in place, then what the user
// should know about a stop signal or a damaged input, and the exit status that says so.
int Conclude(const RenderJob& job, FrameSink& sink, long done, const std::string& problem) {
    const bool stopped = StopSignal() != 0;
    const bool damaged = !problem.empty();
    // An interrupted or damaged render's sound ends with its last picture.
    const double cut = stopped || damaged ? done / job.plan.rate.Value() : 0.0;
    std::string error;
    if (!sink.Finish(cut, &error)) return FailWriting(sink, error);
    const std::string output = OutputName(job.options.output);
    if (stopped) {
        std::fprintf(stderr, "vigil-host: stopped by %s after %s; %s holds what was rendered\n",
                     StopSignalName(StopSignal()), FramesText(done).c_str(), output.c_str());
        return kExitFailure;
    }
    const long expected = job.plan.frames;
    if (damaged && (expected == 0 || done < expected)) {
        std::fprintf(stderr, "vigil-host: %s is damaged (%s): %ld of %s decoded and rendered; %s holds them\n",
                     job.options.input.c_str(), problem.c_str(), done,
                     expected > 0 ? FramesText(expected).c_str() : "an unknown number of frames", output.c_str());
        return kExitDamagedInput;
    }
    if (damaged)
        std::fprintf(stderr, "vigil-host: ffmpeg reported trouble reading %s (%s), but all %s were rendered\n",
                     job.options.input.c_str(), problem.c_str(), FramesText(done).c_str());
    return kExitOk;
}

// Every frame: the next input, the automated values, code 17, the output.
int Render(PluginClient& client, const RenderJob& job, FrameSource& source, FrameSink& sink) {
    std::string error;
    RenderSession session(client);
    if (!session.Start(source.FirstPicture(), job.plan.width, job.plan.height, job.options.pad, job.texts, &error))
        return Fail(error);
    // A user rendering a frame expects the overlay picture in it, however long it loads.
    if (!session.AwaitFiles(job.texts, kFileLoadSeconds, kThisPluginFileLoadLines, &error)) return Fail(error);
    ProgressReport progress(job.plan.frames, job.options.quiet);
    std::vector<ParameterValue> sent;
    long done = 0;
    for (; job.plan.frames == 0 || done < job.plan.frames; ++done) {
        if (StopSignal()) break;
        FrameBytes frame;
        if (source.IsVideo()) {
            if (!source.Next(&frame)) break;
            session.UploadInput(frame.data());
        }
        if (!ApplyAutomation(job, done, session, &sent, &error) || !session.RenderFrame(&error)) return Fail(error);
        session.ReadOutputRows(&frame);
        if (!sink.Write(done + 1, std::move(frame), &error)) return FailWriting(sink, error);
        progress.Frame(done + 1);
    }
    const std::string problem = source.IsVideo() && !StopSignal() ? source.Problem() : "";
    source.Stop();
    if (source.IsVideo() && done == 0 && !StopSignal())
        return Fail(problem.empty() ? job.options.input + " holds no video frames"
                                    : "cannot decode " + job.options.input + ": " + problem);
    const int status = Conclude(job, sink, done, problem);
    if (status != kExitFailure) progress.Finish(done);
    return status;
}

// The files the settings name (the overlay picture).
std::vector<std::string> SettingFiles(const std::vector<ParameterSetting>& settings) {
    std::vector<std::string> files;
    for (const ParameterSetting& setting : settings)
        if (setting.isFile && !setting.text.empty()) files.push_back(setting.text);
    return files;
}

// Probes a video input (or loads a picture, for its size), plans the render and opens the
// source and sink it calls for; nothing is written before every check has passed.
bool Prepare(RenderJob* job, FrameSource* source, FrameSink* sink, std::string* error) {
    HostOptions& options = job->options;
    const bool still = IsStillInput(options.input);
    VideoInfo info;
    if (!still && !ProbeVideo(InputOf(options), &info, error)) return false;
    if (still && !source->OpenStill(options.input, options.width, options.height, error)) return false;
    if (still && options.input != "testcard" && !options.sizeGiven) {
        options.width = source->FirstPicture().width;
        options.height = source->FirstPicture().height;
    }
    const bool moving = !still || options.framesGiven || options.duration > 0.0;
    Container container;
    if (!ChooseOutputFormat(options.output, options.format, moving, &container, error) ||
        !PlanRender(options, still ? nullptr : &info, container, &job->plan, error) ||
        !CheckOutputSparesInput(options, job->plan, SettingFiles(job->texts), error))
        return false;
    for (const std::string& note : job->plan.notes) std::fprintf(stderr, "vigil-host: %s\n", note.c_str());
    if (still) source->FitStill(job->plan.width, job->plan.height);
    return (still || source->OpenVideo(job->plan.decode, false, error)) &&
           sink->Open(options.output, job->plan, InputOf(options), error);
}

}  // namespace

int RunRender(const HostOptions& options) {
    CatchStopSignals();
    PluginClient::EchoLog(!options.quiet);
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
    // A render that failed leaves nothing half-made behind.
    if (status == kExitFailure && !StopSignal()) sink.Abort();
    return status;
}
