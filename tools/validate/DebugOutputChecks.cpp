// Group "debug-output": frames, parameter sweeps and instance cycles in a debug context,
// with GL's debug output synchronous, so that every message the driver raises inside a
// plug-in call is listed with that call. Errors, undefined behaviour and unportable use
// fail; performance (and deprecated behaviour) only warn.
#include "tools/validate/CheckFrame.h"
#include "tools/validate/DebugMessages.h"
#include "tools/validate/GlAudit.h"
#include "tools/validate/Groups.h"
#include "tools/validate/HostileValues.h"
#include "tools/validate/ParameterSweep.h"
#include "tools/validate/ScratchFiles.h"

namespace {

struct Watch {
    DebugMessages& messages;
    Check& failing;
    Check& slow;
};

// What the calls since the last look raised, each with its call.
void Collect(Watch& watch) {
    for (const DebugMessage& message : watch.messages.Take()) {
        const DebugWeight weight = WeightOf(message);
        if (weight == DebugWeight::Failure) watch.failing.Fail(DebugMessageText(message));
        if (weight == DebugWeight::Warning) watch.slow.Warn(DebugMessageText(message));
    }
}

void RenderFrames(GroupContext& group, HostFrame& frame, void* instance, int count) {
    for (int i = 0; i < count; ++i) {
        frame.Render(group.subject, instance);
        RestoreHostState(frame.target.framebuffer);
    }
}

// Outputs small and large, inputs smaller, larger and padded, a hardware size of 0.
void Frames(GroupContext& group, Watch& watch) {
    const FrameShape shapes[] = {{1, 1, 1, 1},         {640, 360, 640, 360},       {1920, 1080, 64, 64},
                                 {64, 64, 1920, 1080}, {64, 64, 100, 50, 128, 64}, {64, 64, 64, 64, 0, 0}};
    for (const FrameShape& shape : shapes) {
        HostFrame frame;
        group.findings.Step("making the host's textures for a frame");
        if (!CreateCheckFrame(frame, shape)) continue;
        RestoreHostState(frame.target.framebuffer);
        if (void* instance = group.subject.Create(shape.width, shape.height)) {
            RenderFrames(group, frame, instance, 2);
            group.subject.Destroy(instance);
        }
        Collect(watch);
    }
}

// Every number parameter across its range and at each hostile value; text and file
// parameters given a small picture, shown for a few frames, and then an empty text (the
// parameters group gives them the hostile paths).
void Parameters(GroupContext& group, Watch& watch, HostFrame& frame, void* instance) {
    Subject& subject = group.subject;
    const std::string picture = SmallPicture(group.scratch);
    const auto& parameters = subject.Parameters();
    for (uint32_t index = 0; index < parameters.size(); ++index) {
        const ParameterInfo& parameter = parameters[index];
        if (ffgl::IsTextType(parameter.type)) {
            for (const std::string& text : {picture, std::string()}) {
                subject.SetText(instance, index, text.c_str(), text.empty() ? "an empty text" : "a small PNG");
                RenderFrames(group, frame, instance, 10);
            }
            subject.SetText(instance, index, parameter.defaultText.c_str(), "its default");
        } else {
            for (const float value : SweepValues(parameter)) {
                subject.SetValue(instance, index, value, ValueText(value));
                RenderFrames(group, frame, instance, 1);
            }
            for (const HostileValue& hostile : kHostileValues) {
                subject.SetValue(instance, index, hostile.value, hostile.shown);
                RenderFrames(group, frame, instance, 1);
            }
            subject.SetValue(instance, index, parameter.defaultValue, "its default");
        }
        Collect(watch);
    }
}

// Instances made and destroyed, each with its file parameters loaded and a frame.
void Cycles(GroupContext& group, Watch& watch, HostFrame& frame) {
    Subject& subject = group.subject;
    const std::string picture = SmallPicture(group.scratch);
    const int cycles = group.options.quick ? 20 : 200;
    for (int cycle = 0; cycle < cycles; ++cycle) {
        void* instance = subject.Create(frame.target.width, frame.target.height);
        if (!instance) break;
        for (uint32_t index = 0; index < subject.Parameters().size(); ++index)
            if (subject.Parameters()[index].type == ffgl::kTypeFile)
                subject.SetText(instance, index, picture.c_str(), "a small PNG");
        RenderFrames(group, frame, instance, 1);
        subject.Destroy(instance);
        Collect(watch);
    }
}

}  // namespace

void RunDebugOutputChecks(GroupContext& group) {
    std::unique_ptr<GlContext> context = OpenHostContext(group, GlContextOptions{.debug = true});
    if (!context) return;
    DebugMessages messages;
    {
        Check setup(group.findings, "debug-context", "a debug context with synchronous debug output");
        std::string why;
        if (!messages.Install(&why)) return setup.Warn(why + ": the plug-in's messages cannot be seen");
    }
    group.subject.Watch(&messages);
    Check failing(group.findings, "errors", "no error, undefined-behaviour or portability message inside a call");
    Check slow(group.findings, "performance", "performance messages inside a call (warnings)");
    Watch watch{messages, failing, slow};
    Frames(group, watch);
    HostFrame frame;
    CreateCheckFrame(frame, FrameShape{});
    RestoreHostState(frame.target.framebuffer);
    if (void* instance = group.subject.Create(64, 64)) {
        Parameters(group, watch, frame, instance);
        group.subject.Destroy(instance);
        Collect(watch);
    }
    Cycles(group, watch, frame);
    group.subject.Watch(nullptr);
}
