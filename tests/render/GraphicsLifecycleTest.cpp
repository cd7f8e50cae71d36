// GL set-up and teardown of the effect: what is created, that everything is deleted
// exactly once, and the one host message of a failed set-up.
#include <gtest/gtest.h>

#include <vector>

#include "effect/Shaders.h"
#include "tests/support/EffectRender.h"
#include "tests/support/StdoutCapture.h"

namespace render_test {
namespace {

const char* const kBroken = "#version 410 core\nvoid main() { nonsense }\n";

struct HeldNames {
    std::vector<GLuint> shaders, programs, buffers, arrays;
};

HeldNames NamesOf(ZaqVigilomatronic& effect) {
    ProcessingPass& pass = EffectTestAccess::Pass(effect);
    const HudInside hud{EffectTestAccess::Hud(effect)};
    const OverlayInside overlay{EffectTestAccess::Overlay(effect)};
    HeldNames names;
    const ProcessingPrograms& programs = EffectTestAccess::Programs(pass);
    const ProcessingProgram& plain = EffectTestAccess::Variant(programs, ProcessingVariant{});
    for (const ShaderProgram* p : {&programs.Full(false).shader, &hud.Program(), &overlay.Program(), &plain.shader,
                                   &programs.Full(true).shader}) {
        names.shaders.push_back(EffectTestAccess::VertexShader(*p));
        names.shaders.push_back(EffectTestAccess::FragmentShader(*p));
        names.programs.push_back(p->ProgramHandle());
    }
    const ScreenQuadInside quad{EffectTestAccess::Quad(pass)};
    names.buffers = {quad.VertexBuffer(), hud.Buffer().VertexBuffer(), overlay.Buffer().VertexBuffer()};
    names.arrays = {quad.VertexArray(), hud.Buffer().VertexArray(), overlay.Buffer().VertexArray()};
    return names;
}

int CountLive(const HeldNames& names) {
    int live = 0;
    for (GLuint n : names.shaders) live += glIsShader(n) ? 1 : 0;
    for (GLuint n : names.programs) live += glIsProgram(n) ? 1 : 0;
    for (GLuint n : names.buffers) live += glIsBuffer(n) ? 1 : 0;
    for (GLuint n : names.arrays) live += glIsVertexArray(n) ? 1 : 0;
    return live;
}

class GraphicsLifecycle : public EffectRender {};

TEST_F(GraphicsLifecycle, SetUpCreatesEveryObjectAndCopiesTheViewport) {
    const HeldNames names = NamesOf(*effect);
    EXPECT_EQ(CountLive(names), 21);
    EXPECT_EQ(effect->viewport.width, static_cast<uint32_t>(targetWidth));
    EXPECT_EQ(effect->viewport.height, static_cast<uint32_t>(targetHeight));
}

TEST_F(GraphicsLifecycle, TeardownZeroesEveryNameAndDeletesEachObjectOnce) {
    const HeldNames names = NamesOf(*effect);
    EXPECT_EQ(effect->TearDownGraphics(), 0u);
    EXPECT_EQ(CountLive(names), 0);
    const HeldNames after = NamesOf(*effect);
    for (const auto* list : {&after.shaders, &after.programs, &after.buffers, &after.arrays})
        for (GLuint n : *list) EXPECT_EQ(n, 0u);

    // GL hands the freed names out again: a second teardown that deleted anything would
    // now destroy these bystanders.
    HeldNames bystanders;
    bystanders.buffers.resize(8);
    bystanders.arrays.resize(8);
    glGenBuffers(8, bystanders.buffers.data());
    glGenVertexArrays(8, bystanders.arrays.data());
    for (int i = 0; i < 8; ++i) {
        glBindBuffer(GL_ARRAY_BUFFER, bystanders.buffers[i]);
        glBindVertexArray(bystanders.arrays[i]);
        bystanders.shaders.push_back(glCreateShader(GL_VERTEX_SHADER));
        bystanders.programs.push_back(glCreateProgram());
    }
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindVertexArray(0);
    EXPECT_EQ(CountLive(bystanders), 32);
    EXPECT_EQ(effect->TearDownGraphics(), 0u);
    EXPECT_EQ(CountLive(bystanders), 32) << "a second teardown deleted objects it no longer owned";
    for (GLuint n : bystanders.shaders) glDeleteShader(n);
    for (GLuint n : bystanders.programs) glDeleteProgram(n);
    glDeleteBuffers(8, bystanders.buffers.data());
    glDeleteVertexArrays(8, bystanders.arrays.data());
}

// Variants built while frames went on belong to the pass too: teardown deletes them, and
// the one still in the making.
TEST_F(GraphicsLifecycle, TeardownDeletesTheVariantsBuiltDuringFrames) {
    effect->TearDownGraphics();
    const int before = LiveShaderObjects();
    const ffgl::ViewportRecord viewport{0, 0, static_cast<uint32_t>(targetWidth), static_cast<uint32_t>(targetHeight)};
    ASSERT_EQ(effect->SetUpGraphics(&viewport), 0u);
    EffectTestAccess::Programs(Pass()).SetBuildingInFrames(true);  // whatever set-up found the driver's cache to be
    UploadSolid(200, 100, 50);
    for (float mode : {1.0f, 2.0f, 3.0f}) {
        Set(kParamColorMode, mode);
        for (int frame = 0; frame < 3; ++frame) ASSERT_EQ(RenderFrame(), 0u);
    }
    Set(kParamNoise, 0.5f);
    ASSERT_EQ(RenderFrame(), 0u);  // starts one more
    EXPECT_GT(LiveShaderObjects(), before + 15);
    effect->TearDownGraphics();
    EXPECT_EQ(LiveShaderObjects(), before);
}

TEST_F(GraphicsLifecycle, SetUpAgainAfterTeardownRendersAsBefore) {
    HideHud();
    UploadSolid(200, 100, 50);
    ASSERT_EQ(RenderFrame(), 0u);
    const Pixels first = Read();
    effect->TearDownGraphics();
    const ffgl::ViewportRecord viewport{0, 0, static_cast<uint32_t>(targetWidth), static_cast<uint32_t>(targetHeight)};
    ASSERT_EQ(effect->SetUpGraphics(&viewport), 0u);
    ASSERT_EQ(RenderFrame(), 0u);
    EXPECT_EQ(Read().bytes, first.bytes);
}

class SetUpFailure : public EffectRender {
protected:
    void SetUp() override {
        EffectRender::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        effect->TearDownGraphics();
        liveBefore = LiveShaderObjects();
    }
    // Sets up with one program's fragment source broken; returns the host messages.
    std::vector<std::string> SetUpWithBroken(ShaderSource EffectShaderSources::*broken) {
        EffectShaderSources sources = BuiltInShaderSources();
        if (broken) (sources.*broken).fragment = kBroken;
        LogCapture log;
        StdoutCapture out;
        EXPECT_EQ(EffectTestAccess::CreateGraphics(*effect, sources), !broken);
        diagnostics = out.Finish();
        return log.lines();
    }
    uint32_t Processing() { return Pass().ProgramHandle(); }
    uint32_t Line() { return HudInside{Hud()}.Program().ProgramHandle(); }
    uint32_t Quad() { return OverlayState().Program().ProgramHandle(); }
    void ReleaseAll() { effect->TearDownGraphics(); }
    std::string diagnostics;
    int liveBefore = 0;
};

TEST_F(SetUpFailure, ProcessingProgramFailureCompilesNothingElse) {
    EXPECT_EQ(SetUpWithBroken(&EffectShaderSources::processing),
              std::vector<std::string>{"Failed to compile processing shader"});
    EXPECT_EQ(diagnostics.rfind("Fragment Shader error: ", 0), 0u) << diagnostics;
    EXPECT_EQ(Processing() + Line() + Quad(), 0u);
    EXPECT_EQ(LiveShaderObjects(), liveBefore);
}

TEST_F(SetUpFailure, LineProgramFailureKeepsTheProcessingProgramUntilTeardown) {
    EXPECT_EQ(SetUpWithBroken(&EffectShaderSources::line),
              std::vector<std::string>{"Failed to compile overlay shader"});
    EXPECT_NE(Processing(), 0u);
    EXPECT_EQ(Line() + Quad(), 0u);
    ReleaseAll();
    EXPECT_EQ(LiveShaderObjects(), liveBefore);
}

TEST_F(SetUpFailure, TexturedQuadProgramFailureSendsItsOwnMessage) {
    EXPECT_EQ(SetUpWithBroken(&EffectShaderSources::texturedQuad),
              std::vector<std::string>{"Failed to compile textured quad shader"});
    EXPECT_NE(Processing(), 0u);
    EXPECT_NE(Line(), 0u);
    EXPECT_EQ(Quad(), 0u);
    ReleaseAll();
    EXPECT_EQ(LiveShaderObjects(), liveBefore);
}

TEST_F(SetUpFailure, BuiltInSourcesCompileSilently) {
    EXPECT_TRUE(SetUpWithBroken(nullptr).empty());
    EXPECT_EQ(diagnostics, "");
    ReleaseAll();
}

}  // namespace
}  // namespace render_test
