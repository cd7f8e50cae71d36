// An effect instance with its GL set up in a real context, drawing the HUD into a
// render target the way the frame does: line program in use, line vertex array bound.
#pragma once

#include <GL/glew.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "effect/ZaqVigilomatronic.h"
#include "tests/hud/PixelTest.h"
#include "tools/hostkit/GlContext.h"
#include "tools/hostkit/RenderTarget.h"

class HudGl : public PixelTest {
protected:
    void SetUp() override {
        std::string error;
        context = GlContext::Create(&error);
        ASSERT_TRUE(context) << error;
        ASSERT_TRUE(target.Create(width, height));
        ffgl::ViewportRecord viewport{0, 0, static_cast<uint32_t>(width), static_cast<uint32_t>(height)};
        ASSERT_EQ(effect.SetUpGraphics(&viewport), 0u);
        glUseProgram(effect.lineShader.ProgramHandle());
        colorLocation = glGetUniformLocation(effect.lineShader.ProgramHandle(), "Color");
        ASSERT_GE(colorLocation, 0);
        glBindVertexArray(effect.lineVertexArray);
        SetColor(1.0f, 1.0f, 1.0f, 1.0f);
        Clear();
    }

    void TearDown() override {
        if (!context) return;
        glBindVertexArray(0);
        glUseProgram(0);
        effect.TearDownGraphics();
        target.Release();
    }

    void SetColor(float r, float g, float b, float a) { glUniform4f(colorLocation, r, g, b, a); }

    void Clear() {
        glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
        glViewport(0, 0, width, height);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }

    // Reads the target back; later pixel queries use this picture.
    void Capture() { pixels = target.ReadPixels(); }

    float LineWidth() const {
        float value = 0.0f;
        glGetFloatv(GL_LINE_WIDTH, &value);
        return value;
    }

    std::unique_ptr<GlContext> context;
    RenderTarget target;
    ZaqVigilomatronic effect;
    int32_t colorLocation = -1;
};
