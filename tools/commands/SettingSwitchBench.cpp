#include "tools/commands/SettingSwitchBench.h"

#include <GL/glew.h>

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
#include "tools/hostkit/HostPlatform.h"

namespace {

constexpr auto kFramePeriod = std::chrono::microseconds(16667);
constexpr int kInstances = 5;

struct CreationFigures {
    FrameStatistics cpu, wall;
};

// Instances made (code 18) and destroyed one after another; the making is timed.
bool MeasureCreation(PluginClient& client, const HostOptions& options, CreationFigures* figures, std::string* error) {
    std::vector<double> cpu, wall;
    for (int i = 0; i < kInstances; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = ThreadCpuMilliseconds();
        void* instance = client.Instantiate(options.width, options.height, error);
        cpu.push_back(ThreadCpuMilliseconds() - cpuStart);
        wall.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (!instance) return false;
        client.Deinstantiate(instance);
    }
    figures->cpu = Summarise(cpu);
    figures->wall = Summarise(wall);
    return true;
}

// One frame at the pace of a live show, its CPU time added to `cpu`.
bool PacedFrame(RenderSession& session, std::vector<double>* cpu, std::string* error) {
    const auto start = std::chrono::steady_clock::now();
    std::vector<double> wall;
    if (!TimeFrame([&](std::string* e) { return session.RenderFrame(e); }, &wall, cpu, error)) return false;
    std::this_thread::sleep_until(start + kFramePeriod);
    return true;
}

// The worst frame's CPU time among the frames after each switch.
bool MeasureSwitches(RenderSession& session, const HostOptions& options, const std::vector<ParameterSetting>& switches,
                     double* normal, std::vector<double>* worst, std::string* error) {
    std::vector<double> cpu;
    for (int i = 0; i < options.warmupFrames; ++i)
        if (!PacedFrame(session, &cpu, error)) return false;
    *normal = Summarise(cpu).median;
    for (const ParameterSetting& setting : switches) {
        if (!session.SetValue(setting.index, setting.value, error)) return false;
        cpu.clear();
        for (int i = 0; i < options.frames; ++i)
            if (!PacedFrame(session, &cpu, error)) return false;
        worst->push_back(*std::max_element(cpu.begin(), cpu.end()));
    }
    return true;
}

}  // namespace

int RunSettingSwitchBench(const HostOptions& options) {
    std::string error;
    BenchSetup bench;
    std::vector<ParameterSetting> switches;
    if (!OpenBenchLibrary(options, &bench, &error) ||
        !ResolveSettings(options.switches, bench.parameters, &switches, &error))
        return Fail(error);
    for (const ParameterSetting& setting : switches)
        if (setting.isText) return Fail("--switch-to takes numeric parameters (options, on/off, numbers)");
    if (!MakeBenchContext(options, &bench, &error)) return Fail(error);
    const Picture& input = bench.input;
    PluginClient& client = bench.client;
    const std::vector<ParameterSetting>& settings = bench.settings;
    CreationFigures creation;
    double normal = 0.0;
    std::vector<double> worst;
    {
        RenderSession session(client);
        if (!MeasureCreation(client, options, &creation, &error) ||
            !session.Start(input, options.width, options.height, options.pad, settings, &error) ||
            !session.AwaitFiles(settings, kFileLoadSeconds, kThisPluginFileLoadLines, &error) ||
            !MeasureSwitches(session, options, switches, &normal, &worst, &error))
            return Fail(error);
    }
    std::printf("%s at %dx%d\n", client.FileName().c_str(), options.width, options.height);
    std::printf("  instance creation, %d instances: CPU ms median %.2f, worst %.2f; wall ms median %.2f, worst %.2f\n",
                kInstances, creation.cpu.median, creation.cpu.maximum, creation.wall.median, creation.wall.maximum);
    std::printf("  %d frames at 60 a second after each switch; a normal frame's CPU ms, median: %.3f\n", options.frames,
                normal);
    std::printf("  %-44s %14s\n", "switched to", "worst extra CPU ms");
    double worstOfAll = 0.0;
    for (size_t i = 0; i < worst.size(); ++i) {
        std::printf("  %-44s %14.3f\n", options.switches[i].c_str(), worst[i] - normal);
        worstOfAll = std::max(worstOfAll, worst[i] - normal);
    }
    std::printf("  worst extra CPU ms of any frame after a switch: %.3f\n", worstOfAll);
    return kExitOk;
}
