#include "tools/commands/OverlayLoadBench.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

#include "tools/commands/BenchSetup.h"
#include "tools/commands/FrameTiming.h"
#include "tools/hostcli/ExitStatus.h"
#include "tools/hostcli/FrameStatistics.h"
#include "tools/hostcli/RenderSession.h"
#include "tools/hostcli/ThisPlugin.h"

namespace {

// Frames come as a live show's do, one every sixtieth of a second, so the plug-in's own
// threads get the time they would get in a host.
constexpr auto kFramePeriod = std::chrono::microseconds(16667);
constexpr int kCentreSide = 8;
constexpr int kSteadyFrames = 60;
// Instances destroyed this many frames into a load: reading, decoding, uploading.
constexpr int kTeardownAfterFrames[] = {2, 6, 30, 90, 150};

struct LoadFigures {
    FrameStatistics normalCpu, normalWall;  // before the file is set
    FrameStatistics loadCpu, loadWall;      // from the frame that sets it to the one that shows it
    int framesUntilShown = 0;
    bool failed = false;  // the plug-in logged a failure instead
    ResidentMemory before, during, after;
    std::vector<double> teardownMs;  // of instances whose load is in flight
};

// One frame at the pace of a live show.
bool PacedFrame(RenderSession& session, std::vector<double>* wall, std::vector<double>* cpu, std::string* error) {
    const auto start = std::chrono::steady_clock::now();
    if (!TimeFrame([&](std::string* e) { return session.RenderFrame(e); }, wall, cpu, error)) return false;
    std::this_thread::sleep_until(start + kFramePeriod);
    return true;
}

bool LoggedFailureSince(size_t first) {
    const std::vector<std::string>& lines = PluginClient::LoggedLines();
    return std::any_of(lines.begin() + static_cast<std::ptrdiff_t>(first), lines.end(),
                       [](const std::string& line) { return line.rfind("Failed ", 0) == 0; });
}

// The load is over when the centre of the output changes (the picture shows) or the
// plug-in logs a failure.
bool MeasureLoad(RenderSession& session, const HostOptions& options, uint32_t fileIndex, LoadFigures* figures,
                 std::string* error) {
    std::vector<double> wall, cpu;
    for (int i = 0; i < options.warmupFrames; ++i)
        if (!PacedFrame(session, &wall, &cpu, error)) return false;
    wall.clear();
    cpu.clear();
    for (int i = 0; i < options.loadAtFrame; ++i)
        if (!PacedFrame(session, &wall, &cpu, error)) return false;
    figures->normalCpu = Summarise(cpu);
    figures->normalWall = Summarise(wall);

    const std::vector<uint8_t> centre = session.ReadCentre(kCentreSide);
    const size_t lines = PluginClient::LoggedLines().size();
    ResetPeakResident();
    figures->before = ResidentBytes();
    if (!session.SetText(fileIndex, options.loadOverlays.front(), error)) return false;
    wall.clear();
    cpu.clear();
    const auto start = std::chrono::steady_clock::now();
    do {
        if (std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() > kFileLoadSeconds) {
            *error = "the picture did not show within " + std::to_string(static_cast<int>(kFileLoadSeconds)) + " s";
            return false;
        }
        if (!PacedFrame(session, &wall, &cpu, error)) return false;
        figures->failed = LoggedFailureSince(lines);
    } while (!figures->failed && session.ReadCentre(kCentreSide) == centre);
    figures->framesUntilShown = static_cast<int>(cpu.size());
    figures->loadCpu = Summarise(cpu);
    figures->loadWall = Summarise(wall);
    for (int i = 0; i < kSteadyFrames; ++i)
        if (!PacedFrame(session, &wall, &cpu, error)) return false;
    figures->during = figures->after = ResidentBytes();
    figures->during.current = figures->during.peak;
    return true;
}

// What each teardown starts from: the library, the run, and the file parameter it sets.
struct TeardownSetup {
    PluginClient& client;
    const HostOptions& options;
    const Picture& input;
    const std::vector<ParameterSetting>& settings;
    uint32_t fileIndex;
};

// Another instance sets the file and is destroyed `frames` into the load: the time that takes.
bool MeasureTeardown(const TeardownSetup& setup, int frames, LoadFigures* figures, std::string* error) {
    const HostOptions& options = setup.options;
    RenderSession session(setup.client);
    std::vector<double> wall, cpu;
    if (!session.Start(setup.input, options.width, options.height, options.pad, setup.settings, error) ||
        !session.AwaitFiles(setup.settings, kFileLoadSeconds, kThisPluginFileLoadLines, error) ||
        !session.SetText(setup.fileIndex, options.loadOverlays.front(), error))
        return false;
    for (int i = 0; i < frames; ++i)
        if (!PacedFrame(session, &wall, &cpu, error)) return false;
    const auto start = std::chrono::steady_clock::now();
    session.Stop();
    figures->teardownMs.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    return true;
}

double MiB(size_t bytes) { return static_cast<double>(bytes) / (1 << 20); }
double Above(size_t value, size_t base) { return value > base ? MiB(value - base) : -MiB(base - value); }

void PrintFigures(const HostOptions& options, const std::string& library, const LoadFigures& f) {
    std::printf("%s at %dx%d: %s set after %d frames at 60 frames a second\n", library.c_str(), options.width,
                options.height, options.loadOverlays.front().c_str(), options.loadAtFrame);
    std::printf("  %-34s %10s %10s\n", "", "CPU ms", "wall ms");
    std::printf("  %-34s %10.3f %10.3f\n", "normal frame, median", f.normalCpu.median, f.normalWall.median);
    std::printf("  %-34s %10.3f %10.3f\n", "frames during the load, worst", f.loadCpu.maximum, f.loadWall.maximum);
    std::printf("  %-34s %10.3f %10.3f\n", "frames during the load, median", f.loadCpu.median, f.loadWall.median);
    std::printf("  %-34s %10.3f\n", "worst beyond a normal frame", f.loadCpu.maximum - f.normalCpu.median);
    std::printf("  frames until the picture shows     %d%s\n", f.framesUntilShown,
                f.failed ? " (the plug-in logged a failure)" : "");
    std::printf("  resident memory before the load    %.1f MiB\n", MiB(f.before.current));
    std::printf("  peak during the load               %+.1f MiB\n", Above(f.during.peak, f.before.current));
    std::printf("  steady, %d frames after it shows   %+.1f MiB\n", kSteadyFrames,
                Above(f.after.current, f.before.current));
    std::printf("  teardown N frames into a load, ms ");
    for (size_t i = 0; i < f.teardownMs.size(); ++i) std::printf(" %d: %.1f", kTeardownAfterFrames[i], f.teardownMs[i]);
    std::printf("\n");
}

}  // namespace

int RunOverlayLoadBench(const HostOptions& options) {
    std::string error;
    BenchSetup bench;
    uint32_t fileIndex = 0;
    if (!OpenBenchLibrary(options, &bench, &error) || !FindFileParameter(bench, &fileIndex, &error) ||
        !MakeBenchContext(options, &bench, &error))
        return Fail(error);
    PluginClient& client = bench.client;
    LoadFigures figures;
    {
        RenderSession session(client);
        if (!session.Start(bench.input, options.width, options.height, options.pad, bench.settings, &error) ||
            !session.AwaitFiles(bench.settings, kFileLoadSeconds, kThisPluginFileLoadLines, &error) ||
            !MeasureLoad(session, options, fileIndex, &figures, &error))
            return Fail(error);
    }
    const TeardownSetup teardown{client, options, bench.input, bench.settings, fileIndex};
    for (const int frames : kTeardownAfterFrames)
        if (!MeasureTeardown(teardown, frames, &figures, &error)) return Fail(error);
    PrintFigures(options, client.FileName(), figures);
    return kExitOk;
}
