// Group "parameters": every parameter swept across its range, then hostile values, and
// text and file parameters given hostile texts and paths; after each, a frame.
#include <cstring>

#include "tools/validate/CheckFrame.h"
#include "tools/validate/GlAudit.h"
#include "tools/validate/Groups.h"
#include "tools/validate/HostileValues.h"
#include "tools/validate/ParameterSweep.h"
#include "tools/validate/ScratchFiles.h"
#include "tools/validate/TextRules.h"

namespace {

struct Bench {
    Subject& subject;
    HostFrame& frame;
    void* instance;
};

// A frame after a change; the frame itself must still be drawn.
void FrameAfter(Bench& bench, Check& check, const std::string& change) {
    check.Expect(bench.frame.Render(bench.subject, bench.instance) == ffgl::kSuccess,
                 "the frame after " + change + " answers failure");
    RestoreHostState(bench.frame.target.framebuffer);
}

// The getter and the display text must still answer something a host can read.
void ReadBack(Bench& bench, Check& check, uint32_t index, bool textType, const std::string& change) {
    const uint64_t value = bench.subject.Call(ffgl::kGetParameter, index, bench.instance, "after " + change);
    std::string read;
    if (textType && !NoPointer(value))
        check.Expect(ReadTerminated(ffgl::BitsPointer<const char>(value), kLongestText, &read),
                     "after " + change + ", code 9 answers a text with no terminator");
    const uint64_t display = bench.subject.Call(ffgl::kGetParameterDisplay, index, bench.instance, "after " + change);
    if (NoPointer(display)) return;
    const char* text = ffgl::BitsPointer<const char>(display);
    if (textType)
        check.Expect(ReadTerminated(text, kLongestText, &read),
                     "after " + change + ", code 7 answers no terminated text");
    else if (const std::string problem = FixedFieldProblem(text, strnlen(text, 16), true); !problem.empty())
        check.Fail("after " + change + ", the display text: " + problem);
}

void Sweep(Bench& bench, Check& check, uint32_t index, const ParameterInfo& parameter) {
    for (float value : SweepValues(parameter)) {
        const std::string change = bench.subject.ParameterText(index) + " = " + ValueText(value);
        check.Expect(bench.subject.SetValue(bench.instance, index, value, ValueText(value)) == ffgl::kSuccess,
                     change + " is refused");
        FrameAfter(bench, check, change);
    }
    bench.subject.SetValue(bench.instance, index, parameter.defaultValue, "its default");
}

void Hostile(Bench& bench, Check& check, uint32_t index, const ParameterInfo& parameter) {
    for (const HostileValue& hostile : kHostileValues) {
        const std::string change = bench.subject.ParameterText(index) + " = " + hostile.shown;
        bench.subject.SetValue(bench.instance, index, hostile.value, hostile.shown);
        FrameAfter(bench, check, change);
        ReadBack(bench, check, index, false, change);
    }
    bench.subject.SetValue(bench.instance, index, parameter.defaultValue, "its default");
}

void HostileTextsFor(Bench& bench, Check& check, uint32_t index, const ParameterInfo& parameter,
                     const std::vector<HostileText>& texts) {
    for (const HostileText& text : texts) {
        const std::string change = bench.subject.ParameterText(index) + " = " + text.shown;
        bench.subject.SetText(bench.instance, index, text.text.c_str(), text.shown);
        FrameAfter(bench, check, change);
        ReadBack(bench, check, index, true, change);
    }
    bench.subject.SetText(bench.instance, index, parameter.defaultText.c_str(), "its default");
    FrameAfter(bench, check, bench.subject.ParameterText(index) + " back at its default");
}

// Instance calls past the table: refused, and nothing else changes.
void CheckPastTable(Bench& bench, Check& check, uint32_t count) {
    for (uint32_t index : {count, count + 1, 0xFFFFFFFFu}) {
        const std::string at = "index " + std::to_string(index) + " past the table";
        check.Expect(IsFailure(bench.subject.SetValue(bench.instance, index, 0.5f, "0.5")),
                     "code 8 accepts a value for " + at);
        check.Expect(NoPointer(bench.subject.Call(ffgl::kGetParameterDisplay, index, bench.instance, at)),
                     "code 7 answers a display text for " + at);
        bench.subject.Call(ffgl::kGetParameter, index, bench.instance, at);
    }
    FrameAfter(bench, check, "calls past the table");
}

}  // namespace

void RunParameterChecks(GroupContext& group) {
    std::unique_ptr<GlContext> context = OpenHostContext(group);
    if (!context) return;
    HostFrame frame;
    CreateCheckFrame(frame, FrameShape{});
    RestoreHostState(frame.target.framebuffer);
    void* instance = group.subject.Create(64, 64);
    Check setup(group.findings, "instance", "an instance to set parameters on");
    if (!setup.Expect(instance != nullptr, "code 18 refuses an instance")) return;
    Bench bench{group.subject, frame, instance};
    const auto& parameters = group.subject.Parameters();
    {
        Check sweep(group.findings, "sweep", "every parameter swept across its range");
        Check hostile(group.findings, "hostile-values", "NaN, infinities, denormals, 1e30 and -0");
        for (uint32_t index = 0; index < parameters.size(); ++index) {
            if (ffgl::IsTextType(parameters[index].type)) continue;
            Sweep(bench, sweep, index, parameters[index]);
            Hostile(bench, hostile, index, parameters[index]);
        }
    }
    {
        Check check(group.findings, "past-table", "instance calls past the table refused");
        CheckPastTable(bench, check, static_cast<uint32_t>(parameters.size()));
    }
    {
        Check check(group.findings, "texts", "text and file parameters given hostile texts and paths");
        const std::vector<HostileText> texts = HostileTexts(group.scratch);
        for (uint32_t index = 0; index < parameters.size(); ++index)
            if (ffgl::IsTextType(parameters[index].type))
                HostileTextsFor(bench, check, index, parameters[index], texts);
    }
    group.subject.Destroy(instance);
}
