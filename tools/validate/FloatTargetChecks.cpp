// Group "float-targets": frames into RGBA16F and RGBA32F outputs, as HDR hosts render,
// with every number parameter at each hostile value, on a background of defaults and
// of every parameter at its maximum. A float target keeps NaN and infinity, and one NaN
// poisons every effect after it in the host's chain.
#include <cmath>

#include "tools/validate/CheckFrame.h"
#include "tools/validate/GlAudit.h"
#include "tools/validate/Groups.h"
#include "tools/validate/HostileValues.h"

namespace {

struct Counts {
    size_t nan = 0;
    size_t infinite = 0;
};

Counts CountNonFinite(const std::vector<float>& values) {
    Counts counts;
    for (size_t texel = 0; texel < values.size(); texel += 4) {
        bool nan = false, infinite = false;
        for (size_t c = 0; c < 4; ++c) {
            nan |= std::isnan(values[texel + c]);
            infinite |= std::isinf(values[texel + c]);
        }
        counts.nan += nan;
        counts.infinite += infinite;
    }
    return counts;
}

// Every number parameter at its default, or at its maximum (options: the last element).
void SetBackground(Subject& subject, void* instance, bool maximum) {
    const auto& parameters = subject.Parameters();
    for (uint32_t index = 0; index < parameters.size(); ++index) {
        const ParameterInfo& parameter = parameters[index];
        if (ffgl::IsTextType(parameter.type)) continue;
        float value = parameter.defaultValue;
        if (maximum)
            value = parameter.elements.empty() || parameter.type != ffgl::kTypeOption ? parameter.rangeMax
                                                                                      : parameter.elements.back().value;
        subject.SetValue(instance, index, value, maximum ? "its maximum" : "its default");
    }
}

void FrameAndCount(Subject& subject, HostFrame& frame, void* instance, Check& check, const std::string& setting) {
    frame.ClearToSentinel();
    const uint64_t answer = frame.Render(subject, instance);
    RestoreHostState(frame.target.framebuffer);
    if (!check.Expect(answer == ffgl::kSuccess, setting + ": the frame answers failure")) return;
    const Counts counts = CountNonFinite(frame.target.ReadFloatPixels());
    if (counts.nan || counts.infinite)
        check.Fail(setting + ": " + std::to_string(counts.nan) + " NaN and " + std::to_string(counts.infinite) +
                   " infinite texels of " + std::to_string(frame.target.width * frame.target.height));
}

void CheckFormat(GroupContext& group, Check& check, TargetFormat format, const std::string& formatName) {
    Subject& subject = group.subject;
    HostFrame frame;
    FrameShape shape;
    shape.width = 160;
    shape.height = 90;
    shape.format = format;
    if (!check.Expect(CreateCheckFrame(frame, shape), "the validator cannot make an " + formatName + " target")) return;
    RestoreHostState(frame.target.framebuffer);
    void* instance = subject.Create(shape.width, shape.height);
    if (!check.Expect(instance != nullptr, "code 18 refuses an instance")) return;
    const auto& parameters = subject.Parameters();
    for (bool maximum : {false, true}) {
        const std::string background =
            std::string(maximum ? "others at their maximum" : "others at their default") + ", " + formatName;
        SetBackground(subject, instance, maximum);
        FrameAndCount(subject, frame, instance, check,
                      (maximum ? "every parameter at its maximum, " : "defaults, ") + formatName);
        for (uint32_t index = 0; index < parameters.size(); ++index) {
            if (ffgl::IsTextType(parameters[index].type)) continue;
            for (const HostileValue& hostile : kHostileValues) {
                subject.SetValue(instance, index, hostile.value, hostile.shown);
                FrameAndCount(subject, frame, instance, check,
                              subject.ParameterText(index) + " = " + hostile.shown + ", " + background);
            }
            SetBackground(subject, instance, maximum);
        }
    }
    subject.Destroy(instance);
}

}  // namespace

void RunFloatTargetChecks(GroupContext& group) {
    std::unique_ptr<GlContext> context = OpenHostContext(group);
    if (!context) return;
    Check check(group.findings, "finite-output", "no NaN or infinity in RGBA16F and RGBA32F outputs");
    CheckFormat(group, check, TargetFormat::Rgba16F, "RGBA16F");
    CheckFormat(group, check, TargetFormat::Rgba32F, "RGBA32F");
}
