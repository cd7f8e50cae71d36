// The built library as a host drives it, through plugMain alone and the host kit's own
// instance calls and frame (tools/hostkit): loaded once per test suite, and an instance
// made with a GL context current, drawing into a framebuffer of the host's, with the log
// received through the host's callback.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "abi/ffgl_abi.h"
#include "tests/support/LogCapture.h"
#include "tests/support/Pixels.h"
#include "tools/hostkit/GlContext.h"
#include "tools/hostkit/HostFrame.h"
#include "tools/hostkit/InstanceCalls.h"
#include "tools/hostkit/PluginLibrary.h"

class LoadedPlugin : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        library = new PluginLibrary();
        std::string error;
        ASSERT_TRUE(library->Load(VIGIL_PLUGIN_PATH, &error)) << error;
    }
    static void TearDownTestSuite() {
        delete library;
        library = nullptr;
    }

    static uint64_t Call(uint32_t code, uint64_t input = 0, void* instance = nullptr) {
        return library->plugMain(code, input, instance);
    }
    template <typename T>
    static uint64_t CallWith(uint32_t code, T* record, void* instance = nullptr) {
        return Call(code, ffgl::PointerBits(record), instance);
    }
    static const char* Text(uint64_t answer) { return ffgl::BitsPointer<const char>(answer); }

    static inline PluginLibrary* library = nullptr;
};

class HostedInstance : public LoadedPlugin {
protected:
    void SetUp() override {
        std::string error;
        context = GlContext::Create(&error, contextOptions);
        if (!context) GTEST_SKIP() << error << " (run under xvfb-run -a)";
        // The picture fills the lower left of the allocation; the padding has its own colour.
        const int paddedWidth = inputWidth + inputPadding, paddedHeight = inputHeight + inputPadding;
        const FrameShape shape{width, height, inputWidth, inputHeight, paddedWidth, paddedHeight, targetFormat};
        ASSERT_TRUE(frame.Create(shape, SolidPixels(inputWidth, inputHeight, inputColor), &error,
                                 {paddingColor.r, paddingColor.g, paddingColor.b, paddingColor.a}))
            << error;
        log = std::make_unique<LogCapture>(library->setLogCallback);
        instance =
            Instantiate(viewportRecord.width ? viewportRecord : ffgl::ViewportRecord{0, 0, Side(width), Side(height)});
        ASSERT_NE(instance, nullptr);
    }

    static uint32_t Side(int pixels) { return static_cast<uint32_t>(pixels); }
    // Another instance, made as the host makes one; null when the plug-in refuses.
    static void* Instantiate(ffgl::ViewportRecord viewport) { return ::Instantiate(*library, viewport); }

    void TearDown() override {
        if (instance) {
            EXPECT_EQ(Deinstantiate(*library, instance), ffgl::kSuccess);
        }
        log.reset();
        if (!context) return;
        frame.Release();
    }

    uint64_t SetValue(uint32_t index, float value) { return SetParameterValue(*library, instance, index, value); }
    uint64_t SetText(uint32_t index, const char* text, void* on = nullptr) {
        return SetParameterText(*library, on ? on : instance, index, text);
    }

    // One frame through code 17, the input texture as input 0 of `inputCount`, drawn by
    // the fixture's instance or another, with the GL state the test left (no binding first).
    uint64_t Frame(uint32_t inputCount = 1, void* on = nullptr) {
        ffgl::ProcessingRecord record = frame.record;
        record.inputCount = inputCount;
        return ProcessFrame(*library, on ? on : instance, &record);
    }

    Pixels Read() const { return {target.width, target.height, target.ReadPixels()}; }

    // Fixtures that need another context, output or input set these in their constructor.
    GlContextOptions contextOptions;
    TargetFormat targetFormat = TargetFormat::Rgba8;
    int width = 64;
    int height = 64;
    ffgl::ViewportRecord viewportRecord{};  // given at creation; none set: the target's size
    int inputWidth = 16;
    int inputHeight = 16;
    Rgba inputColor{0, 0, 0, 255};
    int inputPadding = 0;  // texels of the allocation beyond the picture, right and top
    Rgba paddingColor{255, 0, 255, 255};

    std::unique_ptr<GlContext> context;
    HostFrame frame;
    RenderTarget& target = frame.target;
    InputTexture& input = frame.input;
    std::unique_ptr<LogCapture> log;
    void* instance = nullptr;
};
