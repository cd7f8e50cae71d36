// Frames as a host makes them: the built library loaded with dlopen, an instance created
// with code 18, parameters set with code 8, frames drawn with code 17 into a framebuffer
// of the host's, and the log texts received through the host's callback.
#include <cmath>
#include <string>
#include <vector>

#include "tests/support/HostedPlugin.h"

namespace {

class BoundaryFrame : public HostedInstance {
protected:
    BoundaryFrame() {
        width = height = inputWidth = inputHeight = kSize;
        inputColor = {200, 100, 50, 255};
    }

    // Channel values of one pixel, 0..255, rows counted from the bottom.
    std::vector<int> Pixel(int x, int y) const {
        const auto pixels = Read();  // outlives the pointer into it
        const uint8_t* p = pixels.At(x, y);
        return {p[0], p[1], p[2]};
    }

    static void ExpectNear(const std::vector<int>& got, std::vector<float> want, const char* what) {
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(got[c], std::lround(want[c] * 255.0f), 2) << what << " channel " << c;
    }

    const std::vector<std::string>& hostLog() const { return log->lines(); }

    static constexpr int kSize = 200;
    // Inside the lower-left corner bracket's horizontal arm; the centre is free of HUD.
    static constexpr int kBracketX = 9, kBracketY = 4, kCentre = 100;
};

TEST_F(BoundaryFrame, DefaultsShowThePictureWithGreenCyanBracketsAndLogThreeFrames) {
    ASSERT_NE(library->setLogCallback, nullptr);
    for (int i = 0; i < 4; ++i) ASSERT_EQ(Frame(), ffgl::kSuccess);
    ExpectNear(Pixel(kCentre, kCentre), {200 / 255.0f, 100 / 255.0f, 50 / 255.0f}, "picture");
    ExpectNear(Pixel(kBracketX, kBracketY), {0.0f, 1.0f, 0.533f}, "bracket");
    ASSERT_EQ(hostLog().size(), 3u);
    const std::string tail = ", tex=" + std::to_string(input.texture) + " 200x200, shader=";
    for (int i = 0; i < 3; ++i) {
        const std::string head = "ZaqVigilomatronic v2: frame " + std::to_string(i + 1) + tail;
        EXPECT_EQ(hostLog()[i].rfind(head, 0), 0u) << hostLog()[i];
        EXPECT_NE(hostLog()[i].find(", HostFBO=" + std::to_string(target.framebuffer)), std::string::npos);
    }
}

TEST_F(BoundaryFrame, ParametersFromTheHostReachThePassAndTheHud) {
    ASSERT_EQ(SetValue(0, 3.0f), ffgl::kSuccess);   // "Color Mode": Negative
    ASSERT_EQ(SetValue(10, 0.5f), ffgl::kSuccess);  // "Hue Shift": half a turn
    ASSERT_EQ(Frame(), ffgl::kSuccess);
    ExpectNear(Pixel(kCentre, kCentre), {55 / 255.0f, 155 / 255.0f, 205 / 255.0f}, "negative picture");
    ExpectNear(Pixel(kBracketX, kBracketY), {1.0f, 0.0f, 0.467f}, "bracket turned half way");
}

TEST_F(BoundaryFrame, FrameWithoutInputFailsAndDrawsNothing) {
    ASSERT_EQ(Frame(), ffgl::kSuccess);
    const std::vector<uint8_t> before = Read().bytes;
    log->Clear();
    EXPECT_EQ(Frame(0), ffgl::kFailure);
    EXPECT_EQ(Read().bytes, before);
    // The failed frame did not count: the next is frame 2, still logged.
    ASSERT_EQ(Frame(), ffgl::kSuccess);
    ASSERT_EQ(hostLog().size(), 1u);
    EXPECT_EQ(hostLog()[0].rfind("ZaqVigilomatronic v2: frame 2,", 0), 0u) << hostLog()[0];
}

}  // namespace
