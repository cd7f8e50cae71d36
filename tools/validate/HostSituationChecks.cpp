// Group "host-situations": state a careless host leaves behind when it calls the plug-in,
// and a forward-compatible context. The contract makes these the host's fault, so what
// goes wrong is a warning: a GL error, a refused frame, or an output that differs from
// the same frames drawn in a clean context.
#include <GL/glew.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>

#include "tools/validate/CheckFrame.h"
#include "tools/validate/GlAudit.h"
#include "tools/validate/Groups.h"
#include "tools/validate/ScratchFiles.h"

namespace {

constexpr int kFrames = 4;
// Plug-ins may load files on a thread of their own: the first frame starts the load,
// and this pause lets a small picture arrive before the next, in every run alike.
constexpr auto kLoadPause = std::chrono::milliseconds(200);
// Pixels that may differ from the clean frames: a clock on screen may tick in between.
constexpr double kDifferingShare = 0.01;

using Situation = std::function<void(bool on)>;

struct Outcome {
    bool refused = false;
    std::vector<std::string> errors;
    std::vector<uint8_t> pixels;
};

// A fresh instance, its file parameters given a picture to upload, a few frames with
// the situation set up around each call.
Outcome RenderFresh(GroupContext& group, HostFrame& frame, const Situation& situation) {
    Subject& subject = group.subject;
    Outcome outcome;
    frame.ClearToSentinel();
    RestoreHostState(frame.target.framebuffer);
    void* instance = subject.Create(frame.target.width, frame.target.height);
    if (!instance) {
        outcome.refused = true;
        return outcome;
    }
    const std::string picture = SmallPicture(group.scratch);
    const auto& parameters = subject.Parameters();
    for (uint32_t index = 0; index < parameters.size(); ++index)
        if (parameters[index].type == ffgl::kTypeFile) subject.SetText(instance, index, picture.c_str(), "a small PNG");
    for (int i = 0; i < kFrames; ++i) {
        situation(true);
        outcome.refused |= frame.Render(subject, instance) != ffgl::kSuccess;
        for (const std::string& error : TakeGlErrors()) outcome.errors.push_back(error);
        situation(false);
        RestoreHostState(frame.target.framebuffer);
        if (i == 0) std::this_thread::sleep_for(kLoadPause);
    }
    outcome.pixels = frame.target.ReadPixels();
    subject.Destroy(instance);
    RestoreHostState(frame.target.framebuffer);
    return outcome;
}

// Pixels beyond a small tolerance from the clean frames, and where they lie.
std::string Difference(const Outcome& clean, const Outcome& outcome, int width) {
    size_t differing = 0;
    int left = width, right = -1, bottom = -1, top = -1;
    for (size_t i = 0; i < clean.pixels.size(); i += 4)
        for (size_t c = 0; c < 4; ++c)
            if (std::abs(clean.pixels[i + c] - outcome.pixels[i + c]) > 2) {
                const int x = static_cast<int>(i / 4) % width, y = static_cast<int>(i / 4) / width;
                left = std::min(left, x), right = std::max(right, x), top = std::max(top, y);
                bottom = bottom < 0 ? y : bottom;
                ++differing;
                break;
            }
    const size_t total = clean.pixels.size() / 4;
    if (differing <= total * kDifferingShare) return "";
    return std::to_string(differing) + " of " + std::to_string(total) +
           " pixels differ from the same frames in a clean context, within x " + std::to_string(left) + "-" +
           std::to_string(right) + ", y " + std::to_string(bottom) + "-" + std::to_string(top) + " from the bottom";
}

void Compare(Check& check, const std::string& situation, const Outcome& clean, const Outcome& outcome) {
    if (outcome.refused) check.Warn(situation + ": the plug-in refuses an instance or a frame");
    if (!outcome.errors.empty()) check.Warn(situation + ": " + JoinTexts(outcome.errors) + " after the frames");
    if (outcome.refused || clean.pixels.size() != outcome.pixels.size()) return;
    if (const std::string difference = Difference(clean, outcome, FrameShape{}.width); !difference.empty())
        check.Warn(situation + ": " + difference);
}

void CheckForwardCompatible(GroupContext& group, GlContext& main, const Outcome& clean) {
    Check check(group.findings, "forward-compatible", "a forward-compatible context");
    std::unique_ptr<GlContext> context = OpenHostContext(group, GlContextOptions{.forwardCompatible = true});
    if (context) {
        HostFrame frame;
        CreateCheckFrame(frame, FrameShape{});
        TakeGlErrors();
        Compare(check, "in a forward-compatible context", clean, RenderFresh(group, frame, [](bool) {}));
        frame.Release();
    }
    main.MakeCurrent();
}

void CheckUnpackState(GroupContext& group, HostFrame& frame, const Outcome& clean) {
    Check check(group.findings, "unpack-state", "unpack state left by the host");
    GLuint unpackBuffer = 0;
    glGenBuffers(1, &unpackBuffer);
    glBindBuffer(GL_PIXEL_UNPACK_BUFFER, unpackBuffer);
    glBufferData(GL_PIXEL_UNPACK_BUFFER, 256, nullptr, GL_STREAM_DRAW);
    glBindBuffer(GL_PIXEL_UNPACK_BUFFER, 0);
    auto store = [](GLint alignment, GLint rowLength, GLint skip) {
        glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
        glPixelStorei(GL_UNPACK_ROW_LENGTH, rowLength);
        glPixelStorei(GL_UNPACK_SKIP_ROWS, skip);
        glPixelStorei(GL_UNPACK_SKIP_PIXELS, skip);
    };
    Compare(check, "unpack alignment 8, row length 7, 3 rows and pixels skipped", clean,
            RenderFresh(group, frame, [&](bool on) { on ? store(8, 7, 3) : store(4, 0, 0); }));
    Compare(check, "a pixel-unpack buffer bound", clean,
            RenderFresh(group, frame, [&](bool on) { glBindBuffer(GL_PIXEL_UNPACK_BUFFER, on ? unpackBuffer : 0); }));
    glDeleteBuffers(1, &unpackBuffer);
}

void CheckFragmentTests(GroupContext& group, HostFrame& frame, const Outcome& clean) {
    Check check(group.findings, "scissor-depth-cull", "scissor, depth and cull state left on");
    Compare(check, "a scissor box of 8x8 left on", clean, RenderFresh(group, frame, [&frame](bool on) {
                on ? glEnable(GL_SCISSOR_TEST) : glDisable(GL_SCISSOR_TEST);
                glScissor(0, 0, on ? 8 : frame.target.width, on ? 8 : frame.target.height);
            }));
    Compare(check, "culling of front and back faces left on", clean, RenderFresh(group, frame, [](bool on) {
                on ? glEnable(GL_CULL_FACE) : glDisable(GL_CULL_FACE);
                glCullFace(on ? GL_FRONT_AND_BACK : GL_BACK);
            }));
    // The depth test matters only with a depth buffer: the host's framebuffer gets one,
    // cleared to the nearest depth, so every fragment fails GL_LESS.
    GLuint depth = 0;
    glGenRenderbuffers(1, &depth);
    glBindRenderbuffer(GL_RENDERBUFFER, depth);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, frame.target.width, frame.target.height);
    glBindRenderbuffer(GL_RENDERBUFFER, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, frame.target.framebuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth);
    Compare(check, "a depth test left on over a full depth buffer", clean, RenderFresh(group, frame, [](bool on) {
                glClearDepth(0.0);
                if (on) glClear(GL_DEPTH_BUFFER_BIT);
                on ? glEnable(GL_DEPTH_TEST) : glDisable(GL_DEPTH_TEST);
                glDepthFunc(GL_LESS);
            }));
    glBindFramebuffer(GL_FRAMEBUFFER, frame.target.framebuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, 0);
    glDeleteRenderbuffers(1, &depth);
    glClearDepth(1.0);
}

}  // namespace

void RunHostSituationChecks(GroupContext& group) {
    std::unique_ptr<GlContext> context = OpenHostContext(group);
    if (!context) return;
    HostFrame frame;
    CreateCheckFrame(frame, FrameShape{});
    const Outcome clean = RenderFresh(group, frame, [](bool) {});
    CheckUnpackState(group, frame, clean);
    CheckFragmentTests(group, frame, clean);
    frame.Release();
    CheckForwardCompatible(group, *context, clean);
}
