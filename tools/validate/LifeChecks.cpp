// Group "life": instances made and destroyed many times, each with a frame and its file
// parameters loaded; the GL names and resident memory left behind; and two contexts,
// with and without sharing, each with an instance, rendering in turn.
#include <algorithm>
#include <cstdio>

#include "tools/hostkit/HostPlatform.h"
#include "tools/validate/CheckFrame.h"
#include "tools/validate/GlAudit.h"
#include "tools/validate/GlNames.h"
#include "tools/validate/Groups.h"
#include "tools/validate/ScratchFiles.h"

namespace {

// Resident memory growth per 1,000 cycles that fails the check, and that warns. The
// driver's caches fill over the first few hundred instances (llvmpipe's for about 300),
// so the slope is taken over the second half of the cycles, and a quick run, too short
// to tell a filling cache from a leak, only warns.
constexpr double kFailingKibPer1000 = 1024.0;
constexpr double kWarningKibPer1000 = 256.0;

struct MemorySample {
    double cycle;
    double kib;
};

// Least-squares slope in KiB per 1,000 cycles.
double SlopePer1000(const std::vector<MemorySample>& samples) {
    if (samples.size() < 2) return 0.0;
    double meanX = 0, meanY = 0;
    for (const MemorySample& s : samples) meanX += s.cycle, meanY += s.kib;
    meanX /= samples.size();
    meanY /= samples.size();
    double covariance = 0, variance = 0;
    for (const MemorySample& s : samples) {
        covariance += (s.cycle - meanX) * (s.kib - meanY);
        variance += (s.cycle - meanX) * (s.cycle - meanX);
    }
    return variance > 0 ? covariance / variance * 1000.0 : 0.0;
}

// One instance's life: made, its file and text parameters set, one frame, destroyed.
bool Cycle(GroupContext& group, HostFrame& frame, const std::string& picture, Check& check, int cycle) {
    Subject& subject = group.subject;
    const std::string at = "cycle " + std::to_string(cycle) + ": ";
    void* instance = subject.Create(frame.target.width, frame.target.height);
    if (!check.Expect(instance != nullptr, at + "code 18 refuses an instance")) return false;
    const auto& parameters = subject.Parameters();
    for (uint32_t index = 0; index < parameters.size(); ++index) {
        if (parameters[index].type == ffgl::kTypeFile) subject.SetText(instance, index, picture.c_str(), "a small PNG");
        if (parameters[index].type == ffgl::kTypeText) subject.SetText(instance, index, "validator", "\"validator\"");
    }
    check.Expect(frame.Render(subject, instance) == ffgl::kSuccess, at + "the frame answers failure");
    check.Expect(subject.Destroy(instance) == ffgl::kSuccess, at + "code 19 answers failure");
    RestoreHostState(frame.target.framebuffer);
    return true;
}

void CheckCycles(GroupContext& group, HostFrame& frame) {
    const int cycles = group.options.Cycles();
    const int warmUp = std::max(1, std::min(20, cycles / 10));
    const int firstSample = cycles / 2;
    const int sampleEvery = std::max(1, (cycles - firstSample) / 40);
    const std::string picture = SmallPicture(group.scratch);
    GlNameCounts before, warm;
    std::vector<MemorySample> memory;
    {
        Check check(group.findings, "cycles", std::to_string(cycles) + " instance cycles, each with a frame");
        group.findings.Step("scanning the GL names alive before the first instance");
        before = CountLiveGlNames();
        for (int cycle = 1; cycle <= cycles; ++cycle) {
            if (!Cycle(group, frame, picture, check, cycle)) break;
            if (cycle == warmUp) {
                group.findings.Step("scanning the GL names alive after " + std::to_string(cycle) + " cycles");
                warm = CountLiveGlNames();
            }
            if (cycle >= firstSample && (cycle - firstSample) % sampleEvery == 0)
                memory.push_back({static_cast<double>(cycle), ResidentBytes().current / 1024.0});
        }
    }
    group.findings.Step("scanning the GL names alive after the last instance");
    const GlNameCounts after = CountLiveGlNames();
    {
        Check check(group.findings, "gl-names", "GL names alive after the cycles");
        if (const std::string grown = GrowthText(warm, after); !grown.empty())
            check.Fail(grown + " more alive after " + std::to_string(cycles) + " cycles than after " +
                       std::to_string(warmUp) + ": GL objects leak with instances");
        else if (const std::string kept = GrowthText(before, after); !kept.empty())
            check.Warn(kept + " still alive after the last instance is destroyed");
    }
    Check check(group.findings, "memory", "resident memory slope per 1,000 cycles");
    const double slope = SlopePer1000(memory);
    char text[200];
    std::snprintf(text, sizeof text, "resident memory grows by %.0f KiB per 1,000 cycles over cycles %d to %d%s", slope,
                  firstSample, cycles,
                  group.options.quick ? " (too few cycles to tell a filling cache from a leak)" : "");
    if (slope > kFailingKibPer1000 && !group.options.quick)
        check.Fail(text);
    else if (slope > kWarningKibPer1000)
        check.Warn(text);
}

struct Side {
    std::unique_ptr<GlContext> ownContext;
    GlContext* context = nullptr;
    HostFrame frame;
    void* instance = nullptr;
};

void RenderInTurn(GroupContext& group, Side (&sides)[2], Check& check, const std::string& kind) {
    for (int round = 0; round < 3; ++round)
        for (int s = 0; s < 2; ++s) {
            Side& side = sides[s];
            const std::string at = kind + ", context " + std::to_string(s + 1) + ", frame " + std::to_string(round + 1);
            side.context->MakeCurrent();
            side.frame.ClearToSentinel();
            check.Expect(side.frame.Render(group.subject, side.instance) == ffgl::kSuccess, at + ": answers failure");
            if (const auto errors = TakeGlErrors(); !errors.empty()) check.Fail(at + ": " + JoinTexts(errors));
            check.Expect(side.frame.OutputWritten(), at + ": the output is left as it was");
            RestoreHostState(side.frame.target.framebuffer);
        }
}

void CheckTwoContexts(GroupContext& group, GlContext& main, Check& check) {
    for (bool shared : {false, true}) {
        const std::string kind = shared ? "shared contexts" : "separate contexts";
        Side sides[2];
        sides[0].context = &main;
        main.MakeCurrent();
        sides[1].ownContext = OpenHostContext(group, GlContextOptions{.shareWith = shared ? &main : nullptr});
        if (!sides[1].ownContext) return;
        sides[1].context = sides[1].ownContext.get();
        bool ready = true;
        for (Side& side : sides) {
            side.context->MakeCurrent();
            CreateCheckFrame(side.frame, FrameShape{});
            side.instance = group.subject.Create(64, 64);
            ready = check.Expect(side.instance != nullptr, kind + ": code 18 refuses an instance") && ready;
        }
        if (ready) RenderInTurn(group, sides, check, kind);
        for (int s = 1; s >= 0; --s) {
            sides[s].context->MakeCurrent();
            if (sides[s].instance) group.subject.Destroy(sides[s].instance);
            sides[s].frame.Release();
        }
    }
    main.MakeCurrent();
}

}  // namespace

void RunLifeChecks(GroupContext& group) {
    std::unique_ptr<GlContext> context = OpenHostContext(group);
    if (!context) return;
    HostFrame frame;
    CreateCheckFrame(frame, FrameShape{});
    CheckCycles(group, frame);
    frame.Release();
    Check check(group.findings, "two-contexts", "two contexts, shared and not, rendering in turn");
    CheckTwoContexts(group, *context, check);
}
