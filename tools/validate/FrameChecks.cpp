// Group "frames": frames of every size a host may ask for, padded and zero-sized input
// textures, frames with no input, and after every call no GL error and the GL state back
// at the defaults a host expects.
#include "tools/validate/CheckFrame.h"
#include "tools/validate/GlAudit.h"
#include "tools/validate/Groups.h"

namespace {

struct Audit {
    Check& errors;
    Check& state;
};

// After each call: what the call left behind goes to the two audit checks, then the
// host's state is put back so the next call starts clean.
void AuditCall(Audit& audit, const HostFrame& frame, const std::string& call) {
    if (const auto errors = TakeGlErrors(); !errors.empty())
        audit.errors.Fail("after " + call + ": " + JoinTexts(errors));
    if (const auto left = StateLeftBehind(frame.target.framebuffer); !left.empty())
        audit.state.Fail("after " + call + ": " + JoinTexts(left));
    RestoreHostState(frame.target.framebuffer);
}

// An instance made for the shape, two frames, destroyed; every call audited.
void FrameLife(GroupContext& group, Audit& audit, Check& check, const FrameShape& shape) {
    Subject& subject = group.subject;
    HostFrame frame;
    group.findings.Step("making the host's textures for a frame");
    if (!check.Expect(CreateCheckFrame(frame, shape), "the validator cannot make a " + frame.Text() + " frame")) return;
    RestoreHostState(frame.target.framebuffer);
    void* instance = subject.Create(shape.width, shape.height);
    AuditCall(audit, frame, CodeText(ffgl::kInstantiate));
    if (!check.Expect(instance != nullptr, frame.Text() + ": code 18 refuses an instance")) return;
    for (int i = 0; i < 2; ++i) {
        check.Expect(frame.Render(subject, instance) == ffgl::kSuccess, frame.Text() + ": the frame answers failure");
        AuditCall(audit, frame, CodeText(ffgl::kProcessFrame) + " at " + frame.Text());
    }
    subject.Destroy(instance);
    AuditCall(audit, frame, CodeText(ffgl::kDeinstantiate));
}

void CheckSizes(GroupContext& group, Audit& audit) {
    Check check(group.findings, "sizes", "frames from 1x1 to 4096x2160");
    const int sizes[][4] = {{1, 1, 1, 1},
                            {2, 2, 2, 2},
                            {3, 5, 3, 5},
                            {64, 64, 64, 64},
                            {640, 360, 640, 360},
                            {1920, 1080, 1920, 1080},
                            {4096, 2160, 4096, 2160},
                            {1920, 1080, 64, 64},
                            {64, 64, 1920, 1080},
                            {640, 360, 1, 1}};
    for (const auto& size : sizes) FrameLife(group, audit, check, FrameShape{size[0], size[1], size[2], size[3]});
}

void CheckPadding(GroupContext& group, Audit& audit) {
    Check check(group.findings, "padding", "padded input textures and a hardware size of 0");
    FrameLife(group, audit, check, FrameShape{64, 64, 100, 50, 128, 64});
    FrameLife(group, audit, check, FrameShape{64, 64, 1, 1, 64, 64});
    FrameLife(group, audit, check, FrameShape{64, 64, 64, 64, 0, 0});
}

// The plug-in may refuse these frames, but must survive them; a null record is refused.
void CheckMissingInput(GroupContext& group, Audit& audit) {
    Check check(group.findings, "no-input", "zero inputs, a null input array, a null record");
    Subject& subject = group.subject;
    HostFrame frame;
    CreateCheckFrame(frame, FrameShape{});
    RestoreHostState(frame.target.framebuffer);
    void* instance = subject.Create(64, 64);
    AuditCall(audit, frame, CodeText(ffgl::kInstantiate));
    if (!check.Expect(instance != nullptr, "code 18 refuses an instance")) return;
    ffgl::TextureRecord* nullInput[1] = {nullptr};
    const ffgl::ProcessingRecord zeroInputs{0, 0, frame.inputs, frame.target.framebuffer, 0};
    const ffgl::ProcessingRecord nullArray{1, 0, nullptr, frame.target.framebuffer, 0};
    const ffgl::ProcessingRecord nullEntry{1, 0, nullInput, frame.target.framebuffer, 0};
    frame.Render(subject, instance, &zeroInputs, "zero inputs");
    AuditCall(audit, frame, CodeText(ffgl::kProcessFrame) + " with zero inputs");
    frame.Render(subject, instance, &nullArray, "a null input array");
    AuditCall(audit, frame, CodeText(ffgl::kProcessFrame) + " with a null input array");
    frame.Render(subject, instance, &nullEntry, "a null input");
    AuditCall(audit, frame, CodeText(ffgl::kProcessFrame) + " with a null input");
    check.Expect(IsFailure(frame.Render(subject, instance, nullptr, "a null record")),
                 "code 17 with a null record does not answer failure");
    AuditCall(audit, frame, CodeText(ffgl::kProcessFrame) + " with a null record");
    check.Expect(frame.Render(subject, instance) == ffgl::kSuccess, "a good frame after them answers failure");
    AuditCall(audit, frame, CodeText(ffgl::kProcessFrame));
    subject.Destroy(instance);
    AuditCall(audit, frame, CodeText(ffgl::kDeinstantiate));
}

}  // namespace

void RunFrameChecks(GroupContext& group) {
    std::unique_ptr<GlContext> context = OpenHostContext(group);
    if (!context) return;
    Check errors(group.findings, "gl-error", "no GL error after a call");
    Check state(group.findings, "gl-state", "GL state back at the host's defaults after a call");
    Audit audit{errors, state};
    CheckSizes(group, audit);
    CheckPadding(group, audit);
    CheckMissingInput(group, audit);
}
