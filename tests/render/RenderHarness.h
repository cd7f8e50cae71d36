// What the in-process render tests share: one GL context per test program, an effect
// instance set up in it, an input texture and a target standing in for the host's, the
// frame call as the host makes it, and captures of the log route and standard output.
#pragma once

#include <gtest/gtest.h>

#include <GL/glew.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "Pictures.h"
#include "effect/ZaqVigilomatronic.h"
#include "host/Log.h"
#include "tools/hostkit/GlContext.h"
#include "tools/hostkit/InputTexture.h"
#include "tools/hostkit/RenderTarget.h"

namespace render_test {

inline GlContext* SharedContext() {
    static std::unique_ptr<GlContext> context;
    static std::string error;
    if (!context && error.empty()) {
        context = GlContext::Create(&error);
        if (!context && error.empty()) error = "no GL context";
    }
    return context.get();
}

struct Color {
    float r, g, b;
};

// 8-bit RGBA pixels of a picture, rows bottom-up as GL stores them.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bytes;

    const uint8_t* At(int x, int y) const { return &bytes[(static_cast<size_t>(y) * width + x) * 4]; }
    Color ColorAt(int x, int y) const {
        const uint8_t* p = At(x, y);
        return {p[0] / 255.0f, p[1] / 255.0f, p[2] / 255.0f};
    }
};

// Asserts that an 8-bit pixel matches a colour within `tolerance` per channel (in 0..1
// units), after the clamping of the 8-bit target.
inline ::testing::AssertionResult PixelNear(const Pixels& pixels, int x, int y, Color expected, float tolerance) {
    const Color got = pixels.ColorAt(x, y);
    const float want[3] = {expected.r, expected.g, expected.b};
    const float have[3] = {got.r, got.g, got.b};
    for (int c = 0; c < 3; ++c) {
        const float clamped = std::fmin(std::fmax(want[c], 0.0f), 1.0f);
        if (std::fabs(have[c] - clamped) > tolerance)
            return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") channel " << c << ": got "
                                                 << have[c] << ", want " << clamped << " +- " << tolerance;
    }
    return ::testing::AssertionSuccess();
}

// One 8-bit quantisation step either way plus a little driver rounding.
constexpr float kByteTolerance = 2.0f / 255.0f;

// The texts the plug-in sends to the host's log, in order.
class LogCapture {
public:
    LogCapture() {
        Lines().clear();
        InstallLogCallback(&LogCapture::Receive);
    }
    ~LogCapture() { InstallLogCallback(nullptr); }
    const std::vector<std::string>& lines() const { return Lines(); }

private:
    static std::vector<std::string>& Lines() {
        static std::vector<std::string> lines;
        return lines;
    }
    static void Receive(const char* text) { Lines().push_back(text); }
};

// Redirects file descriptor 1 into a temporary file for the length of the object.
class StdoutCapture {
public:
    StdoutCapture() {
        std::fflush(stdout);
        saved = dup(1);
        file = std::tmpfile();
        dup2(fileno(file), 1);
    }
    ~StdoutCapture() { Finish(); }
    std::string Finish() {
        if (saved < 0) return text;
        std::fflush(stdout);
        dup2(saved, 1);
        close(saved);
        saved = -1;
        std::rewind(file);
        std::ostringstream out;
        for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) out << static_cast<char>(c);
        std::fclose(file);
        text = out.str();
        return text;
    }

private:
    int saved = -1;
    std::FILE* file = nullptr;
    std::string text;
};

// How many shader and program objects live among the first names: GL gives freed names
// out again, so a leak or a double deletion shows up as a changed count.
inline int LiveShaderObjects() {
    int count = 0;
    for (GLuint name = 1; name < 2048; ++name) count += (glIsShader(name) || glIsProgram(name)) ? 1 : 0;
    return count;
}

// An effect instance set up in the shared context, drawing into a width x height target.
class EffectRender : public ::testing::Test {
protected:
    void SetUp() override {
        if (!SharedContext()) GTEST_SKIP() << "no OpenGL 4.1 core context (run under xvfb-run -a)";
        effect = std::make_unique<ZaqVigilomatronic>();
        ASSERT_TRUE(target.Create(targetWidth, targetHeight));
        const ffgl::ViewportRecord viewport{0, 0, static_cast<uint32_t>(targetWidth),
                                            static_cast<uint32_t>(targetHeight)};
        ASSERT_EQ(effect->SetUpGraphics(&viewport), 0u);
    }

    void TearDown() override {
        if (!effect) return;
        effect->TearDownGraphics();
        input.Release();
        target.Release();
    }

    void Set(uint32_t index, float value) { ASSERT_EQ(effect->ApplyParameterValue(index, value), 0u); }

    // Only the processed picture: every HUD element blended with alpha 0.
    void HideHud() { Set(kParamHudOpacity, 0.0f); }

    void UploadSolid(uint8_t r, uint8_t g, uint8_t b, int width = 16, int height = 16) {
        input.Release();
        const std::vector<uint8_t> picture = SolidPicture(width, height, r, g, b);
        ASSERT_TRUE(input.Create(width, height, width, height, picture.data()));
    }

    uint32_t RenderFrame() {
        ffgl::TextureRecord texture{static_cast<uint32_t>(input.width), static_cast<uint32_t>(input.height),
                                    static_cast<uint32_t>(input.hardwareWidth),
                                    static_cast<uint32_t>(input.hardwareHeight), input.texture};
        ffgl::TextureRecord* inputs[1] = {&texture};
        ffgl::ProcessingRecord record{1, 0, inputs, target.framebuffer, 0};
        return effect->RenderFrame(&record);
    }

    Pixels Read() const { return {target.width, target.height, target.ReadPixels()}; }

    // Pixel centre in the quad's texture coordinates.
    float U(int x) const { return (static_cast<float>(x) + 0.5f) / static_cast<float>(target.width); }
    float V(int y) const { return (static_cast<float>(y) + 0.5f) / static_cast<float>(target.height); }

    // Fixtures that need another size set these in their constructor.
    int targetWidth = 64;
    int targetHeight = 64;
    std::unique_ptr<ZaqVigilomatronic> effect;
    RenderTarget target;
    InputTexture input;
};

}  // namespace render_test
