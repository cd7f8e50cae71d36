// Glyphs, text and the whole info block drawn through the effect's line program, read
// back from the render target.
#include <optional>

#include "effect/hud/InfoBlock.h"
#include "tests/support/EffectRender.h"

namespace {

using GlyphDrawing = HudRender;

}  // namespace

TEST_F(GlyphDrawing, CodesOutsideTheFontDrawNothing) {
    for (unsigned char code : {32, 127, 9, 200}) effect->DrawGlyph(code, 0.4f, 0.4f, 0.1f);
    Capture();
    EXPECT_EQ(pixels.LitCount(), 0);
}

TEST_F(GlyphDrawing, AGlyphFillsItsRowsAndColumnsOfTheBox) {
    effect->DrawGlyph('R', 0.4f, 0.4f, 0.1f);  // cells of 1.25 x 1.875 pixels
    Capture();
    int left = targetWidth, right = -1, bottom = targetHeight, top = -1;
    for (int y = 0; y < targetHeight; ++y)
        for (int x = 0; x < targetWidth; ++x)
            if (pixels.Lit(x, y)) {
                left = std::min(left, x), right = std::max(right, x);
                bottom = std::min(bottom, y), top = std::max(top, y);
            }
    // "R" spans columns 1..13 and rows 4..18 of the 16 x 24 grid; row 0 is the top.
    EXPECT_NEAR(left, 80 + 1.25 * 1, 1.0);
    EXPECT_NEAR(right + 1, 80 + 1.25 * 14, 1.0);
    EXPECT_NEAR(bottom, 80 + 1.25 * 5, 1.0);
    EXPECT_NEAR(top + 1, 80 + 1.25 * 20, 1.0);
}

TEST_F(GlyphDrawing, TextAdvancesByItsSizeThroughASpace) {
    effect->DrawText("R R", 0.1f, 0.4f, 0.1f);
    Capture();
    const std::vector<uint8_t> text = pixels.bytes;
    EXPECT_EQ(pixels.LitIn(0.2f, 0.35f, 0.299f, 0.6f), 0);

    Clear();
    effect->DrawGlyph('R', 0.1f, 0.4f, 0.1f);
    effect->DrawGlyph('R', 0.1f + 2.0f * 0.1f, 0.4f, 0.1f);
    Capture();
    EXPECT_GT(pixels.LitCount(), 0);
    EXPECT_TRUE(text == pixels.bytes);
}

class InfoBlockDrawing : public HudRender {
protected:
    InfoBlockDrawing() {
        targetWidth = 1280;
        targetHeight = 720;
    }

    void DrawBlock(int32_t frame, float hueShift = 0.0f, const HudColor& color = kHudBaseColor,
                   const std::optional<ClockTime>& time = PinnedTime()) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        DrawInfoBlock(Hud(), color, 1.0f, hueShift, frame, time);
        Capture();
    }

    bool AnyColored(float x0, float y0, float x1, float y1) const {
        const Rgba c = pixels.CommonColor(x0, y0, x1, y1);
        return c.r || c.g || c.b;
    }

    // The clock's box: eleven glyphs of 0.0105 from x 0.72.
    std::vector<uint8_t> ClockPixels() const {
        std::vector<uint8_t> box;
        pixels.ForEachIn(0.715f, 0.035f, 0.84f, 0.06f, [&](int x, int y) {
            const Rgba p = pixels.PixelAt(x, y);
            box.insert(box.end(), {p.r, p.g, p.b});
        });
        return box;
    }

    // The clock's box with only this text drawn in it, in the HUD colour.
    std::vector<uint8_t> ClockBoxWith(const char* text) {
        Clear();
        SetColor(0.0f, 1.0f, 0.533f, 1.0f);
        effect->DrawText(text, 0.72f, 0.04f, 0.0105f);
        Capture();
        return ClockPixels();
    }
};

TEST_F(InfoBlockDrawing, RecordingSignShowsOnTheFirstFrameInItsOwnColour) {
    DrawBlock(1);
    const Rgba rec = pixels.CommonColor(0.875f, 0.945f, 0.935f, 0.97f);
    EXPECT_EQ(rec.r, 255);
    EXPECT_NEAR(rec.g, 25.5, 1.0);
    EXPECT_NEAR(rec.b, 25.5, 1.0);
    EXPECT_GT(pixels.LitIn(0.881f, 0.951f, 0.891f, 0.961f), 100);  // the square is solid
    EXPECT_FLOAT_EQ(LineWidth(), 1.0f);
}

TEST_F(InfoBlockDrawing, RecordingSignIsHiddenAtFrameFortyFive) {
    DrawBlock(45);
    EXPECT_FALSE(AnyColored(0.875f, 0.945f, 0.935f, 0.97f));
    EXPECT_TRUE(AnyColored(0.715f, 0.035f, 0.84f, 0.06f));  // the clock stays
}

TEST_F(InfoBlockDrawing, CaptionsAndClockStandInPlaceWithTheirAlphas) {
    DrawBlock(1);
    const Rgba clock = pixels.CommonColor(0.715f, 0.035f, 0.84f, 0.06f);
    EXPECT_EQ(clock.r, 0);
    EXPECT_EQ(clock.g, 255);
    EXPECT_NEAR(clock.b, 136, 1.0);
    // Captions 1 and 2 at 0.85 of the HUD opacity, 3 and 4 at 0.7, over black.
    EXPECT_NEAR(pixels.CommonColor(0.02f, 0.08f, 0.2f, 0.092f).g, 217, 1.0);
    EXPECT_NEAR(pixels.CommonColor(0.02f, 0.055f, 0.2f, 0.065f).g, 217, 1.0);
    EXPECT_NEAR(pixels.CommonColor(0.02f, 0.95f, 0.2f, 0.961f).g, 178, 1.0);
    EXPECT_NEAR(pixels.CommonColor(0.02f, 0.93f, 0.1f, 0.938f).g, 178, 1.0);
    // Nothing between the blocks.
    EXPECT_EQ(pixels.LitIn(0.3f, 0.2f, 0.7f, 0.8f), 0);
    EXPECT_EQ(pixels.LitIn(0.02f, 0.1f, 0.3f, 0.9f), 0);
}

TEST_F(InfoBlockDrawing, HueShiftTurnsBothColoursAlike) {
    DrawBlock(1, 0.5f, {1.0f, 0.0f, 0.467f});
    const Rgba rec = pixels.CommonColor(0.875f, 0.945f, 0.935f, 0.97f);
    EXPECT_NEAR(rec.r, 25.5, 1.0);
    EXPECT_EQ(rec.g, 255);
    EXPECT_EQ(rec.b, 255);
    const Rgba clock = pixels.CommonColor(0.715f, 0.035f, 0.84f, 0.06f);
    EXPECT_EQ(clock.r, 255);
    EXPECT_EQ(clock.g, 0);
}

TEST_F(InfoBlockDrawing, ClockShowsThePinnedTimeAndTheFrameDigits) {
    DrawBlock(125, 0.0f, kHudBaseColor, PinnedTime());
    const std::vector<uint8_t> block = ClockPixels();
    EXPECT_TRUE(block == ClockBoxWith("14:03:09:05"));
    EXPECT_FALSE(block == ClockBoxWith("14:03:09:06"));
}

TEST_F(InfoBlockDrawing, ClockWithoutLocalTimeShowsDashesAndKeepsTheFrames) {
    DrawBlock(125, 0.0f, kHudBaseColor, std::nullopt);
    const std::vector<uint8_t> block = ClockPixels();
    EXPECT_TRUE(block == ClockBoxWith("--:--:--:05"));
    EXPECT_FALSE(block == ClockBoxWith("00:00:00:05"));
}
