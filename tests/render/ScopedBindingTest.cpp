// Scope objects, the full-screen quad and the dynamic buffers, checked against GL's own
// view of its state.
#include <gtest/gtest.h>

#include "effect/hud/HudVertexLayout.h"
#include "gl/DynamicBuffer.h"
#include "gl/Scoped.h"
#include "gl/ScreenQuad.h"
#include "overlay/drawing/OverlayQuad.h"
#include "tests/support/EffectRender.h"

namespace render_test {
namespace {

class GlSupportTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!SharedContext()) GTEST_SKIP() << "no OpenGL 4.1 core context (run under xvfb-run -a)";
    }
};

TEST_F(GlSupportTest, ScopesRestoreTheDefaultNotTheEarlierBinding) {
    GLuint textures[2], buffers[2], arrays[2];
    glGenTextures(2, textures);
    glGenBuffers(2, buffers);
    glGenVertexArrays(2, arrays);
    glActiveTexture(GL_TEXTURE2);
    glBindTexture(GL_TEXTURE_2D, textures[0]);
    glBindVertexArray(arrays[0]);
    glBindBuffer(GL_ARRAY_BUFFER, buffers[0]);
    {
        ScopedVertexArrayBinding arrayScope(arrays[1]);
        ScopedActiveTextureUnit unitScope(3);
        ffglex::Scoped2DTextureBinding textureScope(textures[1]);
        ffglex::ScopedVBOBinding bufferScope(buffers[1]);
        EXPECT_EQ(Integer(GL_ACTIVE_TEXTURE), GL_TEXTURE3);
        EXPECT_EQ(Integer(GL_TEXTURE_BINDING_2D), static_cast<GLint>(textures[1]));
        EXPECT_EQ(Integer(GL_ARRAY_BUFFER_BINDING), static_cast<GLint>(buffers[1]));
        EXPECT_EQ(Integer(GL_VERTEX_ARRAY_BINDING), static_cast<GLint>(arrays[1]));
    }
    EXPECT_EQ(Integer(GL_ACTIVE_TEXTURE), GL_TEXTURE0);
    EXPECT_EQ(Integer(GL_TEXTURE_BINDING_2D), 0) << "texture unit 0 is left with no texture";
    EXPECT_EQ(Integer(GL_ARRAY_BUFFER_BINDING), 0);
    EXPECT_EQ(Integer(GL_VERTEX_ARRAY_BINDING), 0);
    glActiveTexture(GL_TEXTURE2);
    EXPECT_EQ(Integer(GL_TEXTURE_BINDING_2D), static_cast<GLint>(textures[0])) << "only the scope's unit changes";
    glActiveTexture(GL_TEXTURE0);
    glDeleteTextures(2, textures);
    glDeleteBuffers(2, buffers);
    glDeleteVertexArrays(2, arrays);
}

TEST_F(GlSupportTest, EndedScopeLeavesLaterBindingsAlone) {
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    ffglex::ScopedBufferBinding scope(GL_ARRAY_BUFFER, buffer);
    scope.EndScope();
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    scope.EndScope();
    EXPECT_EQ(Integer(GL_ARRAY_BUFFER_BINDING), static_cast<GLint>(buffer));
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glDeleteBuffers(1, &buffer);
}

TEST_F(GlSupportTest, ProgramScopeEndsWithNoProgramInUse) {
    GLuint program = glCreateProgram();
    { ScopedProgramUse scope(program); }
    EXPECT_EQ(Integer(GL_CURRENT_PROGRAM), 0);
    glDeleteProgram(program);
}

TEST_F(GlSupportTest, DynamicBuffersHaveTheirSizeUsageAndLayout) {
    DynamicBuffer line, quad;
    line.Create(kHudVertexLayout, kLineBufferBytes);
    quad.Create(kOverlayQuadLayout, kQuadBufferBytes);
    const uint32_t lineArray = line.VertexArray(), lineBuffer = line.VertexBuffer();
    const uint32_t quadArray = quad.VertexArray(), quadBuffer = quad.VertexBuffer();
    ASSERT_NE(lineArray * lineBuffer * quadArray * quadBuffer, 0u);
    EXPECT_EQ(Integer(GL_VERTEX_ARRAY_BINDING), 0);

    struct Expected {
        uint32_t array, buffer;
        GLint bytes, stride1, enabled1;
    };
    for (const Expected& e :
         {Expected{lineArray, lineBuffer, 4096, 0, GL_FALSE}, Expected{quadArray, quadBuffer, 96, 16, GL_TRUE}}) {
        glBindBuffer(GL_ARRAY_BUFFER, e.buffer);
        GLint bytes = 0, usage = 0;
        glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &bytes);
        glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_USAGE, &usage);
        EXPECT_EQ(bytes, e.bytes);
        EXPECT_EQ(usage, GL_DYNAMIC_DRAW);
        glBindVertexArray(e.array);
        GLint size0 = 0, stride0 = -1, enabled0 = 0, enabled1 = 0, source0 = 0;
        glGetVertexAttribiv(0, GL_VERTEX_ATTRIB_ARRAY_SIZE, &size0);
        glGetVertexAttribiv(0, GL_VERTEX_ATTRIB_ARRAY_STRIDE, &stride0);
        glGetVertexAttribiv(0, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &enabled0);
        glGetVertexAttribiv(0, GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING, &source0);
        glGetVertexAttribiv(1, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &enabled1);
        EXPECT_EQ(size0, 2);
        EXPECT_EQ(stride0, e.stride1);
        EXPECT_TRUE(enabled0);
        EXPECT_EQ(source0, static_cast<GLint>(e.buffer));
        EXPECT_EQ(enabled1, e.enabled1);
        if (e.enabled1) {
            void* offset = nullptr;
            glGetVertexAttribPointerv(1, GL_VERTEX_ATTRIB_ARRAY_POINTER, &offset);
            EXPECT_EQ(reinterpret_cast<uintptr_t>(offset), 8u);
        }
        glBindVertexArray(0);
    }
    glBindBuffer(GL_ARRAY_BUFFER, 0);

    line.Release();
    quad.Release();
    EXPECT_EQ(line.VertexArray() + line.VertexBuffer() + quad.VertexArray() + quad.VertexBuffer(), 0u);
}

TEST_F(GlSupportTest, QuadDrawsNothingOnceReleased) {
    RenderTarget target;
    ASSERT_TRUE(target.Create(8, 8));
    ScreenQuad quad;
    quad.Draw();  // never created
    ASSERT_TRUE(quad.Create());
    const ScreenQuadInside names{quad};
    const GLuint array = names.VertexArray(), buffer = names.VertexBuffer();
    EXPECT_TRUE(glIsVertexArray(array));
    EXPECT_TRUE(glIsBuffer(buffer));
    EXPECT_EQ(Integer(GL_VERTEX_ARRAY_BINDING), 0);
    EXPECT_EQ(Integer(GL_ARRAY_BUFFER_BINDING), 0);
    quad.Release();
    EXPECT_EQ(names.VertexArray() + names.VertexBuffer(), 0u);
    EXPECT_FALSE(glIsVertexArray(array));
    EXPECT_FALSE(glIsBuffer(buffer));
    while (glGetError() != GL_NO_ERROR) {
    }
    quad.Draw();
    quad.Release();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    target.Release();
}

}  // namespace
}  // namespace render_test
