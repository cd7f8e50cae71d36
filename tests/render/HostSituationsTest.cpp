// Frames as hosts other than our own make them, through plugMain: the GL state a host
// finds after each call, an output whose alpha the host composites, float targets,
// padded input textures and forward-compatible contexts.
#include <GL/glew.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/support/HostedPlugin.h"

namespace {

constexpr uint32_t kHudOpacity = 1, kCrosshair = 2, kCorners = 3, kScanLine = 4, kGrid = 5, kShowInfo = 6,
                   kHueShift = 10;

GLint Integer(GLenum name) {
    GLint value = -1;
    glGetIntegerv(name, &value);
    return value;
}

class HostSituation : public HostedInstance {
protected:
    HostSituation() {
        width = inputWidth = 320;
        height = inputHeight = 180;
        inputColor = {128, 128, 128, 255};
    }

    void Set(uint32_t index, float value) { ASSERT_EQ(SetValue(index, value), ffgl::kSuccess); }
    // Every HUD stage on: the tactical crosshair, the square grid, the radar and the info block.
    void AllHudOn() {
        Set(kCrosshair, 2.0f);
        Set(kGrid, 1.0f);
        Set(kScanLine, 3.0f);
    }

    // What a host expects to find after any call: no error, and its own defaults bound.
    void ExpectHostState(const char* after) const {
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << after;
        EXPECT_FALSE(glIsEnabled(GL_BLEND)) << after;
        EXPECT_EQ(Integer(GL_CURRENT_PROGRAM), 0) << after;
        EXPECT_EQ(Integer(GL_VERTEX_ARRAY_BINDING), 0) << after;
        EXPECT_EQ(Integer(GL_ARRAY_BUFFER_BINDING), 0) << after;
        EXPECT_EQ(Integer(GL_ACTIVE_TEXTURE), GL_TEXTURE0) << after;
        EXPECT_EQ(Integer(GL_TEXTURE_BINDING_2D), 0) << after;
        EXPECT_EQ(Integer(GL_DRAW_FRAMEBUFFER_BINDING), static_cast<GLint>(target.framebuffer)) << after;
        GLint viewport[4] = {};
        glGetIntegerv(GL_VIEWPORT, viewport);
        EXPECT_EQ(std::vector<GLint>(viewport, viewport + 4), (std::vector<GLint>{0, 0, width, height})) << after;
        GLfloat lineWidth = 0.0f;
        glGetFloatv(GL_LINE_WIDTH, &lineWidth);
        EXPECT_EQ(lineWidth, 1.0f) << after;
    }
};

TEST_F(HostSituation, EveryCallLeavesTheHostsStateBehind) {
    ExpectHostState("set-up");
    AllHudOn();
    ASSERT_EQ(Frame(), ffgl::kSuccess);
    ExpectHostState("a frame with every HUD stage");
}

// A host that composites layers must not see through the HUD of an opaque output.
TEST_F(HostSituation, TheOutputStaysOpaqueUnderTheHud) {
    AllHudOn();
    Set(kHudOpacity, 0.5f);
    ASSERT_EQ(Frame(), ffgl::kSuccess);
    const Pixels pixels = Read();
    int seeThrough = 0;
    for (size_t i = 3; i < pixels.bytes.size(); i += 4) seeThrough += pixels.bytes[i] != 255 ? 1 : 0;
    EXPECT_EQ(seeThrough, 0);
}

// The picture in the lower left of a larger texture whose padding is magenta, drawn a
// little larger than it is.
class PaddedInputHost : public HostSituation {
protected:
    PaddedInputHost() {
        inputWidth = 240;
        inputHeight = 150;
        inputPadding = 40;
    }
};

TEST_F(PaddedInputHost, NoReadReachesThePadding) {
    Set(kHudOpacity, 0.0f);
    for (const float glitch : {0.0f, 0.2f, 1.0f}) {
        Set(8, glitch);
        ASSERT_EQ(Frame(), ffgl::kSuccess);
        const Pixels pixels = Read();
        int tinted = 0;  // grey stays grey under every glitch; magenta would tip red against green
        for (size_t i = 0; i < pixels.bytes.size(); i += 4)
            tinted += std::abs(pixels.bytes[i] - pixels.bytes[i + 1]) > 2 ? 1 : 0;
        EXPECT_EQ(tinted, 0) << "glitch " << glitch;
    }
}

class FloatTargetHost : public HostSituation {
protected:
    FloatTargetHost() { targetFormat = TargetFormat::Rgba16F; }
};

// A NaN or infinity in a host's float framebuffer would poison every later effect: each
// value reaches the pass and the HUD finite, whatever the host sent.
TEST_F(FloatTargetHost, NoValueAHostSendsWritesNaNOrInfinity) {
    const float hostile[] = {NAN, INFINITY, -INFINITY, 1e30f, -1e30f};
    for (uint32_t index : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 10u}) {
        const float sent = ffgl::BitsFloat(Call(ffgl::kGetParameter, index, instance));
        for (const float value : hostile) {
            AllHudOn();
            Set(index, value);
            ASSERT_EQ(Frame(), ffgl::kSuccess);
            const std::vector<float> pixels = target.ReadFloatPixels();
            const auto bad = std::count_if(pixels.begin(), pixels.end(), [](float v) { return !std::isfinite(v); });
            EXPECT_EQ(bad, 0) << "parameter " << index << " at " << value;
            Set(index, sent);
        }
    }
}

// The HUD element by element, over a black input, in a context that draws wide lines and
// in a forward-compatible one, which draws no line wider than a pixel. Turned half way
// round, the HUD is red and the scan glow of the pass green.
class HudLineWidths : public HostSituation, public ::testing::WithParamInterface<bool> {
protected:
    HudLineWidths() {
        contextOptions.forwardCompatible = GetParam();
        width = inputWidth = 640;
        height = inputHeight = 360;
        inputColor = {0, 0, 0, 255};
    }

    // One element alone at frame `frames`; every call leaves no GL error.
    void RenderAlone(uint32_t index, float value, int frames = 1) {
        for (const uint32_t off : {kCorners, kShowInfo}) Set(off, 0.0f);
        Set(kHueShift, 0.5f);
        Set(index, value);
        for (int i = 0; i < frames; ++i, ++frameNumber) ASSERT_EQ(Frame(), ffgl::kSuccess);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "element " << index << " = " << value;
        pixels = Read();
    }

    // HUD pixels in a row (across a vertical line) or a column (across a horizontal one)
    // through the HUD point (hx, hy), within four pixels of it.
    int Across(float hx, float hy, bool horizontalLine) const {
        const int cx = static_cast<int>(hx * width), cy = static_cast<int>(hy * height);
        int count = 0;
        for (int d = -4; d <= 4; ++d) {
            const int x = horizontalLine ? cx : cx + d, y = horizontalLine ? cy + d : cy;
            count += pixels.At(x, y)[0] > 50 ? 1 : 0;  // the grid's alpha, 0.3, gives 76
        }
        return count;
    }

    // Whether `across` pixels is a line set 1.5 wide: GL rounds the width to 2. softpipe
    // instead draws a quad of the exact width, 1 or 2 pixels across by where the line falls.
    static bool OneAndAHalfWide(int across) {
        const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
        const bool exactWidth = renderer && std::string(renderer) == "softpipe" && !GetParam();
        return across == 2 || (exactWidth && across == 1);
    }

    Pixels pixels;
    int frameNumber = 0;  // of the frame last rendered
};

// Corners 2 pixels wide, scan line, radar and crosshair 1.5 (which GL rounds to 2), the
// grid 1; the forward-compatible context draws the same widths, with no GL error.
TEST_P(HudLineWidths, EveryElementHasItsWidthWithoutAGlError) {
    RenderAlone(kCorners, 1.0f);
    EXPECT_EQ(Across(0.05f, 0.02f, true), 2) << "corner bracket, horizontal arm";
    EXPECT_EQ(Across(0.02f, 0.05f, false), 2) << "corner bracket, vertical arm";
    RenderAlone(kCrosshair, 1.0f);
    EXPECT_EQ(Across(0.44f, 0.5f, true), 2) << "standard crosshair";
    EXPECT_EQ(Across(0.5f, 0.44f, false), 2) << "standard crosshair";
    RenderAlone(kCrosshair, 2.0f);
    EXPECT_EQ(Across(0.43f, 0.5f, true), 2) << "tactical crosshair";
    RenderAlone(kCrosshair, 3.0f);
    EXPECT_EQ(Across(0.462f, 0.525f, false), 2) << "minimal crosshair";
    RenderAlone(kCrosshair, 0.0f);
    RenderAlone(kScanLine, 3.0f);
    const int radar = Across(0.8f, 0.5f + 0.3f * std::tan(frameNumber / 60.0f * 1.7f), true);
    EXPECT_TRUE(OneAndAHalfWide(radar)) << "radar sweep: " << radar;
    RenderAlone(kScanLine, 2.0f, 100);
    const int scan = Across(std::fmod(frameNumber / 60.0f * 0.9f * 0.3f, 1.0f), 0.7f, false);
    EXPECT_TRUE(OneAndAHalfWide(scan)) << "vertical scan line: " << scan;
    RenderAlone(kScanLine, 0.0f);
    RenderAlone(kGrid, 2.0f);
    EXPECT_EQ(Across(0.333f, 0.2f, false), 1) << "thirds grid";
    for (const float grid : {1.0f, 3.0f}) RenderAlone(kGrid, grid);
    RenderAlone(kGrid, 0.0f);
    RenderAlone(kShowInfo, 1.0f);
}

INSTANTIATE_TEST_SUITE_P(Contexts, HudLineWidths, ::testing::Bool(), [](const ::testing::TestParamInfo<bool>& info) {
    return info.param ? "ForwardCompatible" : "WideLines";
});

}  // namespace
