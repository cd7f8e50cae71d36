#include "tools/commands/BenchCommand.h"

#include <GL/glew.h>

#include <cstdio>
#include <functional>

#include "tools/commands/BenchSetup.h"
#include "tools/commands/DrawCallCounter.h"
#include "tools/commands/FrameTiming.h"
#include "tools/commands/ManyOverlayBench.h"
#include "tools/commands/OverlayLoadBench.h"
#include "tools/commands/SettingSwitchBench.h"
#include "tools/hostcli/ExitStatus.h"
#include "tools/hostcli/FrameStatistics.h"
#include "tools/hostcli/RenderSession.h"
#include "tools/hostcli/TextureCopy.h"
#include "tools/hostcli/ThisPlugin.h"
#include "tools/hostkit/HostPlatform.h"

namespace {

struct Measurement {
    FrameStatistics wall;  // ms from the code-17 call to glFinish's return
    FrameStatistics cpu;   // ms of this thread's CPU inside the code-17 call
    double drawCalls = 0.0;
};

using FrameCall = std::function<bool(std::string*)>;

// The configurations frame by frame in turn, so that whatever else the machine does
// weighs on each alike and their ratio holds on a busy machine.
bool MeasureInterleaved(const HostOptions& options, const std::vector<FrameCall>& frames,
                        std::vector<Measurement>* results, std::string* error) {
    const size_t count = frames.size();
    std::vector<std::vector<double>> wall(count), cpu(count);
    std::vector<uint64_t> draws(count, 0);
    for (int i = 0; i < options.warmupFrames; ++i)
        for (const FrameCall& frame : frames)
            if (!TimeFrame(frame, &wall[0], &cpu[0], error)) return false;
    wall[0].clear();
    cpu[0].clear();
    for (int i = 0; i < options.frames; ++i)
        for (size_t k = 0; k < count; ++k) {
            const uint64_t before = DrawCallCount();
            if (!TimeFrame(frames[k], &wall[k], &cpu[k], error)) return false;
            draws[k] += DrawCallCount() - before;
        }
    results->resize(count);
    for (size_t k = 0; k < count; ++k) {
        (*results)[k].wall = Summarise(wall[k]);
        (*results)[k].cpu = Summarise(cpu[k]);
        (*results)[k].drawCalls = static_cast<double>(draws[k]) / options.frames;
    }
    return true;
}

bool StartSession(RenderSession& session, const HostOptions& options, const Picture& input,
                  const std::vector<ParameterSetting>& settings, std::string* error) {
    return session.Start(input, options.width, options.height, options.pad, settings, error) &&
           session.AwaitFiles(settings, kFileLoadSeconds, kThisPluginFileLoadLines, error);
}

void PrintRow(const char* label, double value, const double* baseline) {
    if (baseline)
        std::printf("  %-26s %12.3f %12.3f\n", label, value, *baseline);
    else
        std::printf("  %-26s %12.3f\n", label, value);
}

void PrintReport(const HostOptions& options, const std::string& library, const Measurement& main,
                 const Measurement* baseline) {
    std::printf("%s at %dx%d: %d frames after %d warm-up frames\n", library.c_str(), options.width, options.height,
                options.frames, options.warmupFrames);
    std::printf("  %-26s %12s%s\n", "", "measured",
                !baseline              ? ""
                : options.copyBaseline ? "  plain copy"
                                       : "     baseline");
    PrintRow("median ms/frame", main.wall.median, baseline ? &baseline->wall.median : nullptr);
    const double fps = main.wall.median > 0.0 ? 1000.0 / main.wall.median : 0.0;
    const double baselineFps = baseline && baseline->wall.median > 0.0 ? 1000.0 / baseline->wall.median : 0.0;
    PrintRow("frames/s (from median)", fps, baseline ? &baselineFps : nullptr);
    PrintRow("minimum ms/frame", main.wall.minimum, baseline ? &baseline->wall.minimum : nullptr);
    PrintRow("maximum ms/frame", main.wall.maximum, baseline ? &baseline->wall.maximum : nullptr);
    PrintRow("median CPU ms/frame", main.cpu.median, baseline ? &baseline->cpu.median : nullptr);
    if (DrawCallsCounted())
        PrintRow("draw calls/frame", main.drawCalls, baseline ? &baseline->drawCalls : nullptr);
    else
        std::printf("  draw calls/frame           not counted on this platform\n");
    if (baseline && baseline->wall.median > 0.0)
        std::printf("  ratio of medians (measured / baseline): %.3f\n", main.wall.median / baseline->wall.median);
}

}  // namespace

int RunBench(const HostOptions& options) {
    if (options.loadOverlays.size() > 1) return RunManyOverlayBench(options);
    if (!options.loadOverlays.empty()) return RunOverlayLoadBench(options);
    if (!options.switches.empty()) return RunSettingSwitchBench(options);
    std::string error;
    BenchSetup bench;
    std::vector<ParameterSetting> baselineSettings;
    if (!OpenBenchLibrary(options, &bench, &error) ||
        !ResolveSettings(options.baseline, bench.parameters, &baselineSettings, &error) ||
        !MakeBenchContext(options, &bench, &error))
        return Fail(error);
    const Picture& input = bench.input;
    PluginClient& client = bench.client;
    const std::vector<ParameterSetting>& settings = bench.settings;
    RenderSession session(client), baselineSession(client);
    TextureCopy copy;
    std::vector<FrameCall> frames = {[&session](std::string* e) { return session.RenderFrame(e); }};
    if (!StartSession(session, options, input, settings, &error)) return Fail(error);
    const bool compare = options.copyBaseline || !options.baseline.empty();
    if (options.copyBaseline) {
        if (!copy.Start(input, options.width, options.height, &error)) return Fail(error);
        frames.push_back([&copy](std::string*) {
            copy.RenderFrame();
            return true;
        });
    } else if (compare) {
        if (!StartSession(baselineSession, options, input, baselineSettings, &error)) return Fail(error);
        frames.push_back([&baselineSession](std::string* e) { return baselineSession.RenderFrame(e); });
    }
    std::vector<Measurement> measured;
    if (!MeasureInterleaved(options, frames, &measured, &error)) return Fail(error);
    const Measurement& main = measured[0];
    const Measurement* baseline = compare ? &measured[1] : nullptr;
    PrintReport(options, client.FileName(), main, baseline);
    return kExitOk;
}
