#include "tools/commands/ManyOverlayBench.h"

#include <GL/glew.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <memory>
#include <thread>

#include "tools/commands/BenchSetup.h"
#include "tools/hostcli/ExitStatus.h"
#include "tools/hostcli/FrameStatistics.h"
#include "tools/hostcli/RenderSession.h"
#include "tools/hostcli/ThisPlugin.h"
#include "tools/hostkit/HostPlatform.h"

namespace {

// One frame of the composition every sixtieth of a second, as a live show's, or as soon as
// the last one is done when they take longer.
constexpr auto kFramePeriod = std::chrono::microseconds(16667);
constexpr int kCentreSide = 8;
constexpr int kSteadyFrames = 60;
// Every instance is destroyed this many frames into the loads: reading, decoding, uploading.
constexpr int kTeardownAfterFrames[] = {2, 10, 30};
constexpr int kNotShown = -1, kFailed = -2;

using Sessions = std::vector<std::unique_ptr<RenderSession>>;

// What every part of the run starts from.
struct Setup {
    PluginClient& client;
    const HostOptions& options;
    const Picture& input;
    const std::vector<ParameterSetting>& settings;
    uint32_t fileIndex;
};

struct HostFrame {
    double cpu = 0.0;        // ms of this thread's CPU inside every instance's call
    double worstCall = 0.0;  // the most one of those calls took
    double wall = 0.0;       // ms until the GPU was done with the frame
};

struct ManyFigures {
    FrameStatistics normalCpu;          // a host frame before the files are set
    FrameStatistics shownCpu;           // a host frame once every picture shows
    FrameStatistics loadCpu, loadWall;  // from the frame that sets them until every picture shows
    double worstCall = 0.0;
    std::vector<int> framesUntilShown;  // per file; kFailed when the plug-in gave it up
    std::vector<double> msUntilShown;   // per file, from setting the files to the end of that frame
    int threadsBefore = 0, threadsPeak = 0;
    std::vector<double> teardownMs;  // the slowest destroy, per entry of kTeardownAfterFrames
};

bool PacedHostFrame(Sessions& sessions, HostFrame* frame, std::string* error) {
    const auto start = std::chrono::steady_clock::now();
    *frame = {};
    for (const std::unique_ptr<RenderSession>& session : sessions) {
        const double before = ThreadCpuMilliseconds();
        if (!session->RenderFrame(error)) return false;
        const double spent = ThreadCpuMilliseconds() - before;
        frame->cpu += spent;
        frame->worstCall = std::max(frame->worstCall, spent);
    }
    glFinish();
    frame->wall = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::this_thread::sleep_until(start + kFramePeriod);
    return true;
}

bool StartSessions(const Setup& setup, Sessions* sessions, std::string* error) {
    const HostOptions& options = setup.options;
    for (size_t i = 0; i < options.loadOverlays.size(); ++i) {
        auto session = std::make_unique<RenderSession>(setup.client);
        if (!session->Start(setup.input, options.width, options.height, options.pad, setup.settings, error) ||
            !session->AwaitFiles(setup.settings, kFileLoadSeconds, kThisPluginFileLoadLines, error))
            return false;
        sessions->push_back(std::move(session));
    }
    return true;
}

// Every instance gets its own file, all of them before the same frame.
bool SetFiles(const Setup& setup, Sessions& sessions, std::string* error) {
    for (size_t i = 0; i < sessions.size(); ++i)
        if (!sessions[i]->SetText(setup.fileIndex, setup.options.loadOverlays[i], error)) return false;
    return true;
}

// Marks the pictures that show now (the centre changed) or were given up (the path reads
// back empty); the count still loading.
size_t CheckPictures(const Setup& setup, Sessions& sessions, const std::vector<std::vector<uint8_t>>& centres,
                     int frame, double ms, ManyFigures* figures) {
    size_t loading = 0;
    for (size_t i = 0; i < sessions.size(); ++i) {
        int& shown = figures->framesUntilShown[i];
        if (shown != kNotShown) continue;
        if (sessions[i]->ReadCentre(kCentreSide) != centres[i]) {
            shown = frame;
            figures->msUntilShown[i] = ms;
        } else if (sessions[i]->ParameterText(setup.fileIndex).empty())
            shown = kFailed;
        else
            ++loading;
    }
    return loading;
}

bool MeasureLoads(const Setup& setup, ManyFigures* figures, std::string* error) {
    Sessions sessions;
    if (!StartSessions(setup, &sessions, error)) return false;
    HostFrame frame;
    std::vector<double> cpu, wall;
    for (int i = 0; i < setup.options.warmupFrames; ++i)
        if (!PacedHostFrame(sessions, &frame, error)) return false;
    for (int i = 0; i < setup.options.loadAtFrame; ++i) {
        if (!PacedHostFrame(sessions, &frame, error)) return false;
        cpu.push_back(frame.cpu);
    }
    figures->normalCpu = Summarise(cpu);
    std::vector<std::vector<uint8_t>> centres;
    for (const std::unique_ptr<RenderSession>& session : sessions) centres.push_back(session->ReadCentre(kCentreSide));
    figures->threadsBefore = figures->threadsPeak = ProcessThreadCount();
    figures->framesUntilShown.assign(sessions.size(), kNotShown);
    figures->msUntilShown.assign(sessions.size(), 0.0);
    if (!SetFiles(setup, sessions, error)) return false;
    cpu.clear();
    const auto start = std::chrono::steady_clock::now();
    auto elapsedMs = [&] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    for (int count = 1;; ++count) {
        if (elapsedMs() > kFileLoadSeconds * 1000.0) {
            *error = "not every picture showed within " + std::to_string(static_cast<int>(kFileLoadSeconds)) + " s";
            return false;
        }
        if (!PacedHostFrame(sessions, &frame, error)) return false;
        cpu.push_back(frame.cpu);
        wall.push_back(frame.wall);
        figures->worstCall = std::max(figures->worstCall, frame.worstCall);
        figures->threadsPeak = std::max(figures->threadsPeak, ProcessThreadCount());
        if (CheckPictures(setup, sessions, centres, count, elapsedMs(), figures) == 0) break;
    }
    figures->loadCpu = Summarise(cpu);
    figures->loadWall = Summarise(wall);
    cpu.clear();
    for (int i = 0; i < kSteadyFrames; ++i) {
        if (!PacedHostFrame(sessions, &frame, error)) return false;
        cpu.push_back(frame.cpu);
    }
    figures->shownCpu = Summarise(cpu);
    return true;
}

// Every instance destroyed `frames` into the loads: the slowest destroy.
bool MeasureTeardown(const Setup& setup, int frames, ManyFigures* figures, std::string* error) {
    Sessions sessions;
    HostFrame frame;
    if (!StartSessions(setup, &sessions, error) || !SetFiles(setup, sessions, error)) return false;
    for (int i = 0; i < frames; ++i)
        if (!PacedHostFrame(sessions, &frame, error)) return false;
    double slowest = 0.0;
    for (std::unique_ptr<RenderSession>& session : sessions) {
        const auto start = std::chrono::steady_clock::now();
        session->Stop();
        slowest = std::max(slowest,
                           std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    figures->teardownMs.push_back(slowest);
    return true;
}

void PrintShown(const HostOptions& options, const ManyFigures& f) {
    std::vector<double> shown;
    for (size_t i = 0; i < f.framesUntilShown.size(); ++i)
        if (f.framesUntilShown[i] > 0) shown.push_back(f.msUntilShown[i]);
    std::sort(shown.begin(), shown.end());
    if (!shown.empty())
        std::printf("  ms until a picture shows           first %.0f, median %.0f, last %.0f\n", shown.front(),
                    shown[shown.size() / 2], shown.back());
    std::printf("  %6s %8s  file\n", "frames", "ms");
    for (size_t i = 0; i < f.framesUntilShown.size(); ++i) {
        const int frames = f.framesUntilShown[i];
        if (frames == kFailed)
            std::printf("  %6s %8s  %s\n", "failed", "", options.loadOverlays[i].c_str());
        else
            std::printf("  %6d %8.0f  %s\n", frames, f.msUntilShown[i], options.loadOverlays[i].c_str());
    }
}

void PrintFigures(const HostOptions& options, const std::string& library, const ManyFigures& f) {
    std::printf("%s at %dx%d: %zu instances, each given its own file in the same frame after %d frames\n",
                library.c_str(), options.width, options.height, options.loadOverlays.size(), options.loadAtFrame);
    std::printf("  host frame (every instance's call) %10s %10s\n", "CPU ms", "wall ms");
    std::printf("  %-34s %10.3f\n", "normal frame, median", f.normalCpu.median);
    std::printf("  %-34s %10.3f\n", "normal frame, worst", f.normalCpu.maximum);
    std::printf("  %-34s %10.3f\n", "every picture showing, median", f.shownCpu.median);
    std::printf("  %-34s %10.3f %10.3f\n", "frames during the loads, worst", f.loadCpu.maximum, f.loadWall.maximum);
    std::printf("  %-34s %10.3f %10.3f\n", "frames during the loads, median", f.loadCpu.median, f.loadWall.median);
    std::printf("  %-34s %10.3f\n", "worst beyond a normal frame", f.loadCpu.maximum - f.normalCpu.median);
    std::printf("  %-34s %10.3f\n", "worst beyond every picture showing", f.loadCpu.maximum - f.shownCpu.median);
    std::printf("  %-34s %10.3f\n", "worst single instance's call", f.worstCall);
    PrintShown(options, f);
    std::printf("  threads beyond those before the loads, at most  %d (%u cores)\n", f.threadsPeak - f.threadsBefore,
                std::thread::hardware_concurrency());
    std::printf("  slowest destroy N frames into the loads, ms ");
    for (size_t i = 0; i < f.teardownMs.size() && i < std::size(kTeardownAfterFrames); ++i)
        std::printf(" %d: %.1f", kTeardownAfterFrames[i], f.teardownMs[i]);
    std::printf("\n");
}

}  // namespace

int RunManyOverlayBench(const HostOptions& options) {
    std::string error;
    BenchSetup bench;
    uint32_t fileIndex = 0;
    if (!OpenBenchLibrary(options, &bench, &error) || !FindFileParameter(bench, &fileIndex, &error) ||
        !MakeBenchContext(options, &bench, &error))
        return Fail(error);
    PluginClient& client = bench.client;
    const Setup setup{client, options, bench.input, bench.settings, fileIndex};
    ManyFigures figures;
    if (!MeasureLoads(setup, &figures, &error)) return Fail(error);
    for (const int frames : kTeardownAfterFrames)
        if (!MeasureTeardown(setup, frames, &figures, &error)) return Fail(error);
    PrintFigures(options, client.FileName(), figures);
    return kExitOk;
}
