#include "tools/commands/BenchCommand.h"

#include <GL/glew.h>

#include <cstdio>
#include <memory>

#include "tools/commands/DrawCallCounter.h"
#include "tools/commands/FrameTiming.h"
#include "tools/commands/ManyOverlayBench.h"
#include "tools/commands/OverlayLoadBench.h"
#include "tools/hostcli/ExitStatus.h"
#include "tools/hostcli/FrameStatistics.h"
#include "tools/hostcli/InputPicture.h"
#include "tools/hostcli/RenderSession.h"
#include "tools/hostcli/TextureCopy.h"
#include "tools/hostkit/GlContext.h"
#include "tools/hostkit/HostPlatform.h"

namespace {

struct Measurement {
    FrameStatistics wall;  // ms from the code-17 call to glFinish's return
    FrameStatistics cpu;   // ms of this thread's CPU inside the code-17 call
    double drawCalls = 0.0;
};

template <typename Frame>
bool MeasureFrames(const HostOptions& options, Frame&& frame, Measurement* result, std::string* error) {
    std::vector<double> wall, cpu;
    for (int i = 0; i < options.warmupFrames; ++i)
        if (!TimeFrame(frame, &wall, &cpu, error)) return false;
    wall.clear();
    cpu.clear();
    const uint64_t drawsBefore = DrawCallCount();
    for (int i = 0; i < options.frames; ++i)
        if (!TimeFrame(frame, &wall, &cpu, error)) return false;
    result->drawCalls = static_cast<double>(DrawCallCount() - drawsBefore) / options.frames;
    result->wall = Summarise(wall);
    result->cpu = Summarise(cpu);
    return true;
}

bool Measure(PluginClient& client, const HostOptions& options, const Picture& input,
             const std::vector<ParameterSetting>& settings, Measurement* result, std::string* error) {
    RenderSession session(client);
    if (!session.Start(input, options.width, options.height, options.pad, settings, error) ||
        !session.AwaitFiles(settings, kFileLoadSeconds, error))
        return false;
    return MeasureFrames(
        options, [&session](std::string* e) { return session.RenderFrame(e); }, result, error);
}

// The same input drawn by a pass-through shader: the floor under any processing pass.
bool MeasureCopy(const HostOptions& options, const Picture& input, Measurement* result, std::string* error) {
    TextureCopy copy;
    if (!copy.Start(input, options.width, options.height, error)) return false;
    return MeasureFrames(
        options,
        [&copy](std::string*) {
            copy.RenderFrame();
            return true;
        },
        result, error);
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
    std::string error;
    Picture input;
    PluginClient client;
    std::vector<ParameterInfo> parameters;
    std::vector<ParameterSetting> settings, baselineSettings;
    if (!LoadInputPicture(options.input, options.width, options.height, &input, &error) ||
        !client.Open(options.library, &error) || !client.ReadParameters(&parameters, &error) ||
        !ResolveSettings(options.settings, parameters, &settings, &error) ||
        !ResolveSettings(options.baseline, parameters, &baselineSettings, &error))
        return Fail(error);
    std::unique_ptr<GlContext> context = GlContext::Create(&error, {.forwardCompatible = options.forwardCompatible});
    if (!context) return Fail(error);
    Measurement main, baseline;
    if (!Measure(client, options, input, settings, &main, &error)) return Fail(error);
    const bool compare = options.copyBaseline || !options.baseline.empty();
    const bool measured = !compare               ? true
                          : options.copyBaseline ? MeasureCopy(options, input, &baseline, &error)
                                                 : Measure(client, options, input, baselineSettings, &baseline, &error);
    if (!measured) return Fail(error);
    PrintReport(options, client.FileName(), main, compare ? &baseline : nullptr);
    return kExitOk;
}
