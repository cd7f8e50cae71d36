#include "tools/commands/PlayCommand.h"

#include <GL/glew.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "tools/hostcli/ExitStatus.h"
#include "tools/hostcli/InputPicture.h"
#include "tools/hostcli/PictureWrite.h"
#include "tools/hostcli/RenderSession.h"
#include "tools/hostkit/GlWindow.h"
#include "tools/hostkit/StopSignals.h"
#include "tools/play/PlayControls.h"
#include "tools/render/FrameSource.h"
#include "tools/render/RenderPlan.h"
#include "tools/video/VideoProbe.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Live {
    int width = 0;
    int height = 0;
    FrameRate rate{30, 1};
    PlayState state;
};

// The first free play-NNNN.png in the current folder.
std::string ScreenshotName() {
    for (int number = 1;; ++number) {
        char name[32];
        std::snprintf(name, sizeof name, "play-%04d.png", number);
        if (!std::filesystem::exists(name)) return name;
    }
}

bool SaveScreenshot(const RenderSession& session, std::string* error) {
    const Picture frame = session.ReadOutput();
    const std::string name = ScreenshotName();
    if (!WritePng(name, frame.width, frame.height, frame.rgba.data(), error)) return false;
    std::fprintf(stderr, "vigil-host: saved %s\n", name.c_str());
    return true;
}

// The instance starts with the --set values; the keys' state starts from them too.
bool StartValues(const HostOptions& options, const std::vector<ParameterInfo>& parameters, const Picture& input,
                 RenderSession& session, Live* live, std::string* error) {
    std::vector<ParameterSetting> settings;
    if (!ResolveSettings(options.settings, parameters, &settings, error) ||
        !session.Start(input, live->width, live->height, options.pad, settings, error))
        return false;
    live->state = StartPlay(parameters);
    for (const ParameterSetting& setting : settings)
        for (size_t i = 0; i < live->state.parameters.size(); ++i)
            if (live->state.parameters[i].index == setting.index) live->state.values[i] = setting.value;
    return true;
}

// Keys change the state and the plug-in's values; screenshots are taken at once.
bool HandleKeys(const WindowEvents& events, RenderSession& session, PlayState* state, std::string* error) {
    for (WindowKey key : events.keys) {
        const int changed = ApplyKey(state, key);
        if (changed >= 0 && !session.SetValue(state->parameters[changed].index, state->values[changed], error))
            return false;
    }
    for (; state->screenshots > 0; --state->screenshots)
        if (!SaveScreenshot(session, error)) return false;
    return true;
}

// The pace of the frames: a video's own (ffmpeg reads it in real time), a still's by the clock.
class FramePace {
public:
    explicit FramePace(const FrameRate& rate) : interval(std::chrono::duration<double>(1.0 / rate.Value())) {}

    int MillisecondsToNext() const {
        return static_cast<int>(std::max(0.0, std::chrono::duration<double, std::milli>(next - Clock::now()).count()));
    }
    // Whether a frame is due; a video's new frame is uploaded.
    bool Due(FrameSource& source, RenderSession& session) {
        FrameBytes frame;
        const bool due = source.IsVideo() ? source.TryNext(&frame, 5) : Clock::now() >= next;
        if (due && source.IsVideo()) session.UploadInput(frame.data());
        if (due) next = std::max(next + std::chrono::duration_cast<Clock::duration>(interval), Clock::now());
        return due;
    }

private:
    std::chrono::duration<double> interval;
    Clock::time_point next = Clock::now();
};

// One frame through code 17, timed to the GPU's end; its milliseconds.
bool TimedFrame(RenderSession& session, double* milliseconds, std::string* error) {
    const auto start = Clock::now();
    if (!session.RenderFrame(error)) return false;
    glFinish();
    *milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    return true;
}

int Loop(const HostOptions& options, PluginClient& client, const std::vector<ParameterInfo>& parameters,
         FrameSource& source, GlWindow& window, Live& live) {
    std::string error;
    RenderSession session(client);
    if (!StartValues(options, parameters, source.FirstPicture(), session, &live, &error)) return Fail(error);
    FramePace pace(live.rate);
    auto lastTitle = Clock::now() - std::chrono::seconds(1);
    double frameMilliseconds = 0.0;
    bool drawn = false;
    while (!live.state.quit && !StopSignal()) {
        // Paused, the picture and the plug-in's animation both stand still.
        const bool paused = live.state.paused && drawn;
        const WindowEvents events = window.Poll(paused ? 50 : source.IsVideo() ? 1 : pace.MillisecondsToNext());
        if (events.closed) break;
        if (!HandleKeys(events, session, &live.state, &error)) return Fail(error);
        if (!paused && pace.Due(source, session)) {
            if (!TimedFrame(session, &frameMilliseconds, &error)) return Fail(error);
            drawn = true;
        }
        window.Present(session.OutputFramebuffer(), live.width, live.height);
        if (Clock::now() - lastTitle > std::chrono::milliseconds(250) || !events.keys.empty()) {
            lastTitle = Clock::now();
            window.SetTitle(PlayTitle(live.state, frameMilliseconds));
        }
    }
    return kExitOk;
}

}  // namespace

int RunPlay(const HostOptions& options) {
    CatchStopSignals();
    std::string error;
    PluginClient client;
    std::vector<ParameterInfo> parameters;
    if (!client.Open(options.library, &error) || !client.ReadParameters(&parameters, &error)) return Fail(error);
    Live live;
    live.width = options.width;
    live.height = options.height;
    FrameSource source;
    if (IsStillInput(options.input)) {
        if (options.rate.numerator > 0) live.rate = options.rate;
        if (!source.OpenStill(options.input, live.width, live.height, &error)) return Fail(error);
    } else {
        VideoInfo info;
        if (!ProbeVideo(InputOf(options), &info, &error)) return Fail(error);
        std::vector<std::string> notes;
        DecodeRequest request = PlanLive(options, info, &notes);
        for (const std::string& note : notes) std::fprintf(stderr, "vigil-host: %s\n", note.c_str());
        if (request.rate.numerator <= 0) request.rate = live.rate;
        live.width = request.width;
        live.height = request.height;
        live.rate = request.rate;
        request.loop = request.realTime = true;
        if (!source.OpenVideo(request, true, &error)) return Fail(error);
    }
    std::unique_ptr<GlWindow> window = GlWindow::Open(live.width, live.height, "vigil-host play", &error);
    if (!window) return Fail(error);
    return Loop(options, client, parameters, source, *window, live);
}
