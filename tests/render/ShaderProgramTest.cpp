// Compiling, linking and releasing programs in a real context; diagnostics on stdout.
#include <gtest/gtest.h>

#include "gl/ShaderProgram.h"
#include "tests/support/EffectRender.h"
#include "tests/support/StdoutCapture.h"

namespace render_test {
namespace {

const char* const kVertex = R"(#version 410 core
layout(location = 0) in vec2 vPosition;
void main() { gl_Position = vec4(vPosition, 0.0, 1.0); }
)";
const char* const kFragment = R"(#version 410 core
uniform float Level;
out vec4 fragColor;
void main() { fragColor = vec4(Level); }
)";
const char* const kBrokenSyntax = R"(#version 410 core
void main() { this is not glsl }
)";
// Compiles on its own; the missing body only fails at link time.
const char* const kUnresolvedFragment = R"(#version 410 core
out vec4 fragColor;
vec4 Missing();
void main() { fragColor = Missing(); }
)";

class ShaderProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!SharedContext()) GTEST_SKIP() << "no OpenGL 4.1 core context (run under xvfb-run -a)";
        liveBefore = LiveShaderObjects();
    }
    void ExpectEmpty(const ShaderProgram& program) {
        EXPECT_EQ(EffectTestAccess::VertexShader(program), 0u);
        EXPECT_EQ(EffectTestAccess::FragmentShader(program), 0u);
        EXPECT_EQ(program.ProgramHandle(), 0u);
        EXPECT_EQ(LiveShaderObjects(), liveBefore) << "objects leaked or deleted twice";
    }
    int liveBefore = 0;
};

TEST_F(ShaderProgramTest, MissingSourcesFailWithoutGlObjectsOrOutput) {
    ShaderProgram program;
    StdoutCapture out;
    EXPECT_FALSE(program.Compile(nullptr, kFragment));
    EXPECT_FALSE(program.Compile("", kFragment));
    EXPECT_FALSE(program.Compile(kVertex, nullptr));
    EXPECT_FALSE(program.Compile(kVertex, ""));
    EXPECT_EQ(out.Finish(), "");
    ExpectEmpty(program);
}

TEST_F(ShaderProgramTest, CompiledProgramHoldsThreeLiveNamesUntilReleasedOnce) {
    ShaderProgram program;
    ASSERT_TRUE(program.Compile(kVertex, kFragment));
    EXPECT_TRUE(glIsShader(EffectTestAccess::VertexShader(program)));
    EXPECT_TRUE(glIsShader(EffectTestAccess::FragmentShader(program)));
    EXPECT_TRUE(glIsProgram(program.ProgramHandle()));
    EXPECT_EQ(LiveShaderObjects(), liveBefore + 3);

    const GLuint name = program.ProgramHandle();
    program.Release();
    EXPECT_FALSE(glIsProgram(name));
    ExpectEmpty(program);
    program.Release();  // a second release has nothing left to delete
    ExpectEmpty(program);
}

TEST_F(ShaderProgramTest, SettersReachTheCurrentProgramAndIgnoreUnknownNames) {
    ShaderProgram program;
    ASSERT_TRUE(program.Compile(kVertex, kFragment));
    glUseProgram(program.ProgramHandle());
    while (glGetError() != GL_NO_ERROR) {
    }
    program.SetFloat("Level", 0.25f);
    program.SetFloat("NoSuchUniform", 1.0f);
    program.SetInt("NoSuchUniform", 3);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_EQ(program.UniformLocation("NoSuchUniform"), -1);
    GLfloat level = 0.0f;
    glGetUniformfv(program.ProgramHandle(), program.UniformLocation("Level"), &level);
    EXPECT_EQ(level, 0.25f);
    glUseProgram(0);
    program.Release();
}

TEST_F(ShaderProgramTest, VertexErrorPrintsPrefixAndDriverLogAndLeaksNothing) {
    ShaderProgram program;
    StdoutCapture out;
    EXPECT_FALSE(program.Compile(kBrokenSyntax, kFragment));
    const std::string text = out.Finish();
    EXPECT_EQ(text.rfind("Vertex Shader error: ", 0), 0u) << text;
    EXPECT_GT(text.size(), std::string("Vertex Shader error: \n").size()) << "the driver's log is missing";
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text.find("Fragment"), std::string::npos) << "the fragment stage must not be compiled";
    ExpectEmpty(program);
}

TEST_F(ShaderProgramTest, FragmentErrorDeletesTheCompiledVertexShader) {
    ShaderProgram program;
    StdoutCapture out;
    EXPECT_FALSE(program.Compile(kVertex, kBrokenSyntax));
    const std::string text = out.Finish();
    EXPECT_EQ(text.rfind("Fragment Shader error: ", 0), 0u) << text;
    ExpectEmpty(program);
}

TEST_F(ShaderProgramTest, LinkErrorCarriesTheFragmentPrefixAndDeletesAllThree) {
    ShaderProgram program;
    StdoutCapture out;
    EXPECT_FALSE(program.Compile(kVertex, kUnresolvedFragment));
    const std::string text = out.Finish();
    EXPECT_EQ(text.rfind("Fragment Shader error: ", 0), 0u) << text;
    EXPECT_NE(text.find("Missing"), std::string::npos) << "the program's link log should name the function: " << text;
    ExpectEmpty(program);
}

TEST_F(ShaderProgramTest, FailedProgramCanBeCompiledAgain) {
    ShaderProgram program;
    StdoutCapture out;
    EXPECT_FALSE(program.Compile(kVertex, kBrokenSyntax));
    out.Finish();
    EXPECT_TRUE(program.Compile(kVertex, kFragment));
    program.Release();
    ExpectEmpty(program);
}

}  // namespace
}  // namespace render_test
