// Variants are built while frames go on: the full program draws each frame until the
// variant it wants is built, and a frame takes one step of building at most, whether the
// context compiles in parallel (polled) or in the calls themselves (the fallback).
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "effect/ProcessingPass.h"
#include "effect/Shaders.h"
#include "gl/ContextLimits.h"
#include "tests/support/EffectRender.h"
#include "tests/support/Settings.h"

namespace render_test {
namespace {

// How many frames a driver that compiles on threads of its own may take.
constexpr int kFramesToWait = 2000;

class VariantBuilding : public EffectRender, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        EffectRender::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        UploadSolid(90, 160, 40);
        glViewport(0, 0, target.width, target.height);
        ASSERT_TRUE(EffectTestAccess::Create(pass, BuiltInShaderSources().processing, GetParam()));
    }
    void TearDown() override {
        if (SharedContext()) pass.Release();
        EffectRender::TearDown();
    }
    // The uniforms of a frame over the whole target, the viewport the pass finds.
    ProcessingUniforms Uniforms(float colorMode, float glitch) const {
        const ffgl::TextureRecord record{16, 16, 16, 16, input.texture};
        ProcessingUniforms uniforms = ComputeProcessingUniforms(
            ComputeFrameValues(40, 1.0f), record,
            Settings(
                {{kParamColorMode, colorMode}, {kParamScanLine, 1.0f}, {kParamNoise, 0.3f}, {kParamGlitch, glitch}}));
        uniforms.viewportHeight = static_cast<float>(target.height);
        return uniforms;
    }
    // One frame of the pass; its pixels must be the full program's.
    void DrawFrame(const ProcessingUniforms& uniforms) {
        EffectTestAccess::DrawWith(pass, Programs().Full(false), input.texture, target.framebuffer, uniforms);
        const Pixels full = Read();
        pass.Draw(input.texture, target.framebuffer, uniforms);
        ASSERT_EQ(Read().bytes, full.bytes);
    }
    int BuiltCount() {
        int count = 0;
        for (int index = 0; index < kProcessingVariantCount; ++index)
            count += Programs().Built(VariantAt(index)) ? 1 : 0;
        return count;
    }
    // The programs of the pass under test, not of the effect's.
    ProcessingPrograms& Programs() { return EffectTestAccess::Programs(pass); }
    ProcessingPass pass;
};

TEST_P(VariantBuilding, FullProgramDrawsUntilTheVariantIsBuilt) {
    const ProcessingUniforms uniforms = Uniforms(2.0f, 0.5f);
    const ProcessingVariant variant = VariantFor(uniforms);
    ASSERT_EQ(Programs().Built(variant), nullptr);
    ASSERT_NO_FATAL_FAILURE(DrawFrame(uniforms));
    EXPECT_EQ(Programs().Built(variant), nullptr) << "built and used in the frame that asked for it";
    int frames = 1;
    while (!Programs().Built(variant) && frames < kFramesToWait) {
        ASSERT_NO_FATAL_FAILURE(DrawFrame(uniforms));
        ++frames;
    }
    ASSERT_NE(Programs().Built(variant), nullptr);
    // Without parallel compiling: started in one frame, finished and drawn in the next.
    if (!GetParam()) {
        EXPECT_EQ(frames, 2);
    }
    ASSERT_NO_FATAL_FAILURE(DrawFrame(uniforms));
}

// Settings that change every frame get their variants one after another, never two in
// one frame, and every one of them in the end.
TEST_P(VariantBuilding, OneBuildStepPerFrameAsSettingsChange) {
    const ProcessingUniforms settings[] = {Uniforms(1.0f, 0.0f), Uniforms(2.0f, 0.0f), Uniforms(3.0f, 0.5f),
                                           Uniforms(0.0f, 0.5f)};
    int built = BuiltCount();
    int finished = 0;
    for (int frame = 0; frame < kFramesToWait && finished < 4; ++frame) {
        ASSERT_NO_FATAL_FAILURE(DrawFrame(settings[frame % 4]));
        const int now = BuiltCount();
        ASSERT_LE(now, built + 1) << "frame " << frame;
        built = now;
        finished = 0;
        for (const ProcessingUniforms& uniforms : settings) finished += Programs().Built(VariantFor(uniforms)) ? 1 : 0;
    }
    EXPECT_EQ(finished, 4);
}

// Where building costs a frame more than it can spare, frames build nothing: the full
// program draws, and the variants built before go on drawing.
TEST_P(VariantBuilding, FramesBuildNothingWhenBuildingIsOff) {
    const ProcessingUniforms negative = Uniforms(3.0f, 0.0f);
    ASSERT_TRUE(EffectTestAccess::BuildNow(Programs(), VariantFor(negative)));
    Programs().SetBuildingInFrames(false);
    const ProcessingUniforms thermal = Uniforms(2.0f, 0.0f);
    for (int frame = 0; frame < 5; ++frame) {
        ASSERT_NO_FATAL_FAILURE(DrawFrame(thermal));
        ASSERT_NO_FATAL_FAILURE(DrawFrame(negative));
    }
    EXPECT_EQ(Programs().Built(VariantFor(thermal)), nullptr);
    EXPECT_FALSE(Programs().Building());
    EXPECT_EQ(BuiltCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(Compiling, VariantBuilding, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "InParallel" : "InTheCalls"; });

// The effect asks the context whether it compiles in parallel. CTest runs this test once
// more with both extensions taken out of Mesa's list, where the one-step fallback must do.
TEST(ParallelCompile, TheEffectBuildsVariantsWithOrWithoutTheExtension) {
    if (!SharedContext()) GTEST_SKIP() << "no OpenGL 4.1 core context (run under xvfb-run -a)";
    const char* override = std::getenv("MESA_EXTENSION_OVERRIDE");
    if (override && std::strstr(override, "-GL_KHR_parallel_shader_compile") &&
        std::strstr(override, "-GL_ARB_parallel_shader_compile")) {
        EXPECT_FALSE(ContextCompilesInParallel());
    }
    ZaqVigilomatronic effect;
    const ffgl::ViewportRecord viewport{0, 0, 16, 16};
    ASSERT_EQ(effect.SetUpGraphics(&viewport), 0u);
    RenderTarget target;
    InputTexture input;
    const std::vector<uint8_t> picture = SolidPixels(8, 8, {10, 20, 30, 255});
    ASSERT_TRUE(target.Create(16, 16));
    ASSERT_TRUE(input.Create(8, 8, 8, 8, picture.data()));
    ffgl::TextureRecord texture{8, 8, 8, 8, input.texture};
    ffgl::TextureRecord* inputs[1] = {&texture};
    const ffgl::ProcessingRecord record{1, 0, inputs, target.framebuffer, 0};
    ASSERT_EQ(effect.ApplyParameterValue(kParamColorMode, 3.0f), 0u);
    const ProcessingVariant negative{3, false, false, false, false};
    ProcessingPrograms& programs = EffectTestAccess::Programs(EffectTestAccess::Pass(effect));
    programs.SetBuildingInFrames(true);  // whatever set-up found the driver's cache to be
    for (int frame = 0; frame < kFramesToWait && !programs.Built(negative); ++frame)
        ASSERT_EQ(effect.RenderFrame(&record), 0u);
    EXPECT_NE(programs.Built(negative), nullptr);
    effect.TearDownGraphics();
    input.Release();
    target.Release();
}

// CTest runs this with Mesa's shader cache off: llvmpipe then builds every program at its
// first draw on the calling thread, tens of milliseconds, and set-up must see that. zink
// ("zink (llvmpipe ...)") builds on threads of its own and may well build in frames.
TEST(BuildProbe, SetUpKeepsTheFullProgramWhereBuildingIsUncachedOnTheRenderThread) {
    if (!SharedContext()) GTEST_SKIP() << "no OpenGL 4.1 core context (run under xvfb-run -a)";
    const char* cacheOff = std::getenv("MESA_SHADER_CACHE_DISABLE");
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    if (!cacheOff || std::strcmp(cacheOff, "true") != 0 || !renderer || std::strncmp(renderer, "llvmpipe", 8) != 0)
        GTEST_SKIP() << "needs llvmpipe with MESA_SHADER_CACHE_DISABLE=true";
    ZaqVigilomatronic effect;
    const ffgl::ViewportRecord viewport{0, 0, 16, 16};
    ASSERT_EQ(effect.SetUpGraphics(&viewport), 0u);
    const ProcessingPrograms& programs = EffectTestAccess::Programs(EffectTestAccess::Pass(effect));
    EXPECT_FALSE(EffectTestAccess::BuildingInFrames(programs));
    EXPECT_NE(programs.Built(ProcessingVariant{}), nullptr) << "the plain variant is built all the same";
    effect.TearDownGraphics();
}

}  // namespace
}  // namespace render_test
