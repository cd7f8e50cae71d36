// The built library as a host drives it, through plugMain alone: loaded once per test
// suite, and an instance made with a GL context current, drawing into a framebuffer of
// the host's, with the log received through the host's callback.
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
#include "tools/hostkit/InputTexture.h"
#include "tools/hostkit/PluginLibrary.h"
#include "tools/hostkit/RenderTarget.h"

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
        ASSERT_TRUE(target.Create(width, height, targetFormat));
        // The picture fills the lower left of the allocation; the padding has its own colour.
        const int hardwareWidth = inputWidth + inputPadding, hardwareHeight = inputHeight + inputPadding;
        std::vector<uint8_t> picture = SolidPixels(hardwareWidth, hardwareHeight, paddingColor);
        const std::vector<uint8_t> row = SolidPixels(inputWidth, 1, inputColor);
        for (int y = inputPadding; y < hardwareHeight; ++y)
            std::copy(row.begin(), row.end(), picture.begin() + static_cast<ptrdiff_t>(y) * hardwareWidth * 4);
        ASSERT_TRUE(input.Create(hardwareWidth, hardwareHeight, hardwareWidth, hardwareHeight, picture.data()));
        log = std::make_unique<LogCapture>(library->setLogCallback);
        instance =
            Instantiate(viewportRecord.width ? viewportRecord : ffgl::ViewportRecord{0, 0, Side(width), Side(height)});
        ASSERT_NE(instance, nullptr);
    }

    static uint32_t Side(int pixels) { return static_cast<uint32_t>(pixels); }
    // Another instance, made as the host makes one; null when the plug-in refuses.
    static void* Instantiate(ffgl::ViewportRecord viewport) {
        const uint64_t handle = CallWith(ffgl::kInstantiate, &viewport);
        return handle == ffgl::kFailure ? nullptr : ffgl::BitsPointer<void>(handle);
    }

    void TearDown() override {
        if (instance) {
            EXPECT_EQ(Call(ffgl::kDeinstantiate, 0, instance), ffgl::kSuccess);
        }
        log.reset();
        if (!context) return;
        input.Release();
        target.Release();
    }

    uint64_t SetValue(uint32_t index, float value) {
        ffgl::SetParameterRecord record{index, 0, ffgl::FloatBits(value)};
        return CallWith(ffgl::kSetParameter, &record, instance);
    }
    uint64_t SetText(uint32_t index, const char* text, void* on = nullptr) {
        ffgl::SetParameterRecord record{index, 0, ffgl::PointerBits(text)};
        return CallWith(ffgl::kSetParameter, &record, on ? on : instance);
    }

    // One frame through code 17, the input texture as input 0 of `inputCount`, drawn by
    // the fixture's instance or another.
    uint64_t Frame(uint32_t inputCount = 1, void* on = nullptr) {
        ffgl::TextureRecord texture{static_cast<uint32_t>(inputWidth), static_cast<uint32_t>(inputHeight),
                                    static_cast<uint32_t>(input.hardwareWidth),
                                    static_cast<uint32_t>(input.hardwareHeight), input.texture};
        ffgl::TextureRecord* inputs[1] = {&texture};
        ffgl::ProcessingRecord record{inputCount, 0, inputs, target.framebuffer, 0};
        return CallWith(ffgl::kProcessFrame, &record, on ? on : instance);
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
    RenderTarget target;
    InputTexture input;
    std::unique_ptr<LogCapture> log;
    void* instance = nullptr;
};
