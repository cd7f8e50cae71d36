// An effect drawing into a square target under a real GL context, with overlay files made
// on the spot and helpers to find where the overlay landed.
#pragma once

#include <chrono>
#include <string>

#include "tests/overlay/PictureFiles.h"
#include "tests/support/EffectRender.h"

namespace overlay_test {

constexpr Rgba kRed{255, 0, 0, 255};
constexpr Rgba kGreen{0, 255, 0, 255};
constexpr Rgba kBlue{0, 0, 255, 255};

// The processed input is black and every HUD element has alpha 0, so only the overlay
// shows; a 250-pixel target makes the 0.16 side 40 pixels.
class OverlayRender : public EffectRender {
protected:
    OverlayRender() { targetWidth = targetHeight = 250; }

    void SetUp() override {
        EffectRender::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        HideHud();
        UploadSolid(0, 0, 0);
        // Past the frames that log themselves, so the log holds only overlay lines.
        for (int frame = 0; frame < 3; ++frame) ASSERT_EQ(RenderFrame(), 0u);
    }

    // Sets the path as the host does and renders until the load is over: the new picture
    // swapped in, or the overlay removed.
    void Show(const std::string& path) {
        ASSERT_EQ(effect->ApplyParameterText(kParamOverlayImage, path.c_str()), 0u);
        ASSERT_EQ(RenderFrame(), 0u);
        FinishLoad();
    }
    void FinishLoad() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (Overlay().Loading()) {
            ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the overlay never finished loading";
            ASSERT_EQ(RenderFrame(), 0u);
        }
    }

    std::string PathReadBack() { return effect->ReadParameterText(kParamOverlayImage); }

    Rgba Centre() { return Read().PixelAt(targetWidth / 2, targetHeight / 2); }

    struct Box {
        int left = -1, bottom = -1, right = -1, top = -1;  // inclusive, GL rows from the bottom
        int Width() const { return left < 0 ? 0 : right - left + 1; }
        int Height() const { return bottom < 0 ? 0 : top - bottom + 1; }
    };

    // Bounds of every pixel brighter than the black background.
    Box LitBox() {
        const Pixels pixels = Read();
        Box box;
        for (int y = 0; y < pixels.height; ++y)
            for (int x = 0; x < pixels.width; ++x) {
                const uint8_t* p = pixels.At(x, y);
                if (p[0] + p[1] + p[2] < 200) continue;
                if (box.left < 0 || x < box.left) box.left = x;
                if (x > box.right) box.right = x;
                if (box.bottom < 0) box.bottom = y;
                box.top = y;
            }
        return box;
    }

    TempFolder folder;
};

inline bool SameColor(Rgba got, Rgba want, int tolerance = 2) {
    auto near = [&](uint8_t a, uint8_t b) { return a + tolerance >= b && b + tolerance >= a; };
    return near(got.r, want.r) && near(got.g, want.g) && near(got.b, want.b);
}

}  // namespace overlay_test
