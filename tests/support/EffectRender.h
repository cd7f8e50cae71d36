// The effect in this process, set up in one GL context that the whole test program
// shares, drawing into a target that stands in for the host's framebuffer: frames as
// the host calls them, and the HUD drawn on its own the way the frame draws it.
#pragma once

#include <gtest/gtest.h>

#include <GL/glew.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "effect/ZaqVigilomatronic.h"
#include "effect/hud/ClockText.h"
#include "tests/support/EffectTestAccess.h"
#include "tests/support/LogCapture.h"
#include "tests/support/Pixels.h"
#include "tools/hostkit/GlContext.h"
#include "tools/hostkit/InputTexture.h"
#include "tools/hostkit/RenderTarget.h"

// 14:03:09, the time the clock tests show.
inline std::optional<ClockTime> PinnedTime() { return ClockTime{14, 3, 9}; }

// The one context of a test program, ended after the last test rather than among the
// exit handlers: a driver that still compiles on a thread of its own (zink) must not
// find its compiler's globals torn down under it.
inline std::unique_ptr<GlContext>& SharedContextHolder() {
    static std::unique_ptr<GlContext> context;
    return context;
}

class SharedContextEnding : public ::testing::Environment {
public:
    void TearDown() override { SharedContextHolder().reset(); }
};

inline const bool sharedContextEnds =
    (::testing::AddGlobalTestEnvironment(new SharedContextEnding), true);  // NOLINT(cppcoreguidelines-owning-memory)

inline GlContext* SharedContext() {
    std::unique_ptr<GlContext>& context = SharedContextHolder();
    static std::string error;
    if (!context && error.empty()) {
        context = GlContext::Create(&error);
        if (!context && error.empty()) error = "no GL context";
    }
    return context.get();
}

inline GLint Integer(GLenum name) {
    GLint value = -1;
    glGetIntegerv(name, &value);
    return value;
}

// How many shader and program objects live among the first names: GL gives freed names
// out again, so a leak or a double deletion shows up as a changed count.
inline int LiveShaderObjects() {
    int count = 0;
    for (GLuint name = 1; name < 2048; ++name) count += (glIsShader(name) || glIsProgram(name)) ? 1 : 0;
    return count;
}

class EffectRender : public ::testing::Test {
protected:
    void SetUp() override {
        if (!SharedContext()) GTEST_SKIP() << "no OpenGL 4.1 core context (run under xvfb-run -a)";
        ASSERT_TRUE(target.Create(targetWidth, targetHeight));
        effect = MakeEffect();
        ASSERT_NE(effect, nullptr);
    }

    void TearDown() override {
        if (!SharedContext()) return;
        glBindVertexArray(0);
        glUseProgram(0);
        glDisable(GL_BLEND);
        glLineWidth(1.0f);
        if (effect) effect->TearDownGraphics();
        input.Release();
        target.Release();
    }

    // An effect with its GL set up over the target's viewport; null when that fails.
    std::unique_ptr<ZaqVigilomatronic> MakeEffect() {
        auto made = std::make_unique<ZaqVigilomatronic>();
        const ffgl::ViewportRecord viewport{0, 0, static_cast<uint32_t>(targetWidth),
                                            static_cast<uint32_t>(targetHeight)};
        if (made->SetUpGraphics(&viewport) != 0) return nullptr;
        return made;
    }

    void Set(uint32_t index, float value) { ASSERT_EQ(effect->ApplyParameterValue(index, value), 0u); }
    // Only the processed picture: every HUD element blended with alpha 0.
    void HideHud() { Set(kParamHudOpacity, 0.0f); }

    void UploadSolid(uint8_t r, uint8_t g, uint8_t b, int width = 16, int height = 16) {
        input.Release();
        const std::vector<uint8_t> picture = SolidPixels(width, height, {r, g, b, 255});
        ASSERT_TRUE(input.Create(width, height, width, height, picture.data()));
    }

    // One frame as the host calls it, with the input texture as input 0.
    uint32_t RenderFrame() { return RenderFrame(*effect); }
    uint32_t RenderFrame(ZaqVigilomatronic& instance) {
        ffgl::TextureRecord texture{static_cast<uint32_t>(input.width), static_cast<uint32_t>(input.height),
                                    static_cast<uint32_t>(input.hardwareWidth),
                                    static_cast<uint32_t>(input.hardwareHeight), input.texture};
        ffgl::TextureRecord* inputs[1] = {&texture};
        ffgl::ProcessingRecord record{1, 0, inputs, target.framebuffer, 0};
        return instance.RenderFrame(&record);
    }

    Pixels Read() const { return {target.width, target.height, target.ReadPixels()}; }

    // Pixel centre in the quad's texture coordinates.
    float U(int x) const { return (static_cast<float>(x) + 0.5f) / static_cast<float>(target.width); }
    float V(int y) const { return (static_cast<float>(y) + 0.5f) / static_cast<float>(target.height); }

    // The HUD outside a frame, where each call goes out at once: the line program in use,
    // the line vertex array bound, the colour white, the target cleared.
    void BeginHudDrawing() {
        const HudInside inside{Hud()};
        glUseProgram(inside.Program().ProgramHandle());
        colorLocation = inside.Program().UniformLocation("Color");
        ASSERT_GE(colorLocation, 0);
        glBindVertexArray(inside.Buffer().VertexArray());
        SetColor(1.0f, 1.0f, 1.0f, 1.0f);
        Clear();
    }
    void SetColor(float r, float g, float b, float a) { glUniform4f(colorLocation, r, g, b, a); }
    void Clear() {
        glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
        glViewport(0, 0, target.width, target.height);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    // Reads the target back into `pixels`.
    void Capture() { pixels = Read(); }
    float LineWidth() const {
        float value = 0.0f;
        glGetFloatv(GL_LINE_WIDTH, &value);
        return value;
    }

    ProcessingPass& Pass() { return EffectTestAccess::Pass(*effect); }
    HudRenderer& Hud() { return EffectTestAccess::Hud(*effect); }
    OverlayPicture& Overlay() { return EffectTestAccess::Overlay(*effect); }
    OverlayInside OverlayState() { return {Overlay()}; }
    int32_t& FrameCounter() { return EffectTestAccess::FrameCounter(*effect); }

    // Fixtures that need another size set these in their constructor.
    int targetWidth = 64;
    int targetHeight = 64;
    std::unique_ptr<ZaqVigilomatronic> effect;
    RenderTarget target;
    InputTexture input;
    Pixels pixels;
    int32_t colorLocation = -1;
};

// The HUD on its own, drawn into a 200 x 200 target the way the frame draws it.
class HudRender : public EffectRender {
protected:
    HudRender() { targetWidth = targetHeight = 200; }
    void SetUp() override {
        EffectRender::SetUp();
        if (!IsSkipped() && !HasFatalFailure()) BeginHudDrawing();
    }
};
