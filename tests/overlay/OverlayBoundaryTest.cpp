// The overlay as a host sees it: the built library loaded and driven through plugMain, the
// path set as parameter text, frames processed into the host's framebuffer, pixels read.
#include <chrono>

#include "tests/overlay/PictureFiles.h"
#include "tests/support/HostedPlugin.h"

using namespace ffgl;
using namespace overlay_test;

namespace {

class OverlayThroughHost : public HostedInstance {
protected:
    OverlayThroughHost() { width = height = 250; }  // 0.16 of it is 40 pixels

    void SetUp() override {
        HostedInstance::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        ASSERT_EQ(SetValue(1, 0.0f), kSuccess);             // HUD opacity 0
        for (int frame = 0; frame < 3; ++frame) Process();  // past the frames that log themselves
        log->Clear();
    }

    void Process() { ASSERT_EQ(Frame(), kSuccess); }
    // Sets the path and processes frames until the load is over: a line in the log, or
    // the path read back empty (a GIF that cannot be opened says nothing).
    void Show(const std::string& path) {
        const size_t lines = LogLines().size();
        ASSERT_EQ(SetText(9, path.c_str()), kSuccess);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        do {
            ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the overlay never finished loading";
            Process();
        } while (LogLines().size() == lines && PathReadBack() == path);
    }
    std::string PathReadBack() { return Text(Call(kGetParameter, 9, instance)); }
    const std::vector<std::string>& LogLines() const { return log->lines(); }

    TempFolder folder;
};

}  // namespace

TEST_F(OverlayThroughHost, WidePictureIsDrawnUprightInTheCentre) {
    Show(folder.Write("wide.png", EncodePng(SplitPicture(200, 100, {255, 0, 0, 255}, {0, 0, 255, 255}))));
    const Pixels pixels = Read();
    EXPECT_EQ(pixels.At(125, 130)[0], 255);  // upper half: red
    EXPECT_EQ(pixels.At(125, 120)[2], 255);  // lower half: blue
    EXPECT_EQ(pixels.At(125, 137)[0], 0);    // above the 20-pixel-high picture
    EXPECT_EQ(pixels.At(103, 120)[2], 0);    // left of the 40-pixel-wide picture
    EXPECT_EQ(pixels.At(107, 120)[2], 255);
    EXPECT_EQ(PathReadBack(), folder.Path("wide.png"));
}

TEST_F(OverlayThroughHost, GifPlaysAndAFailedLoadLeavesNothing) {
    Show(folder.Write("clip.gif", SolidFramesGif(8, 8, {{255, 0, 0, 255}, {0, 255, 0, 255}}, 2, 10)));
    EXPECT_EQ(LogLines(), std::vector<std::string>{"Loaded GIF: 8x8, 2 frames"});
    for (int frame = 0; frame < 5; ++frame) Process();
    EXPECT_EQ(Read().At(125, 125)[0], 255);
    Process();
    EXPECT_EQ(Read().At(125, 125)[1], 255);

    log->Clear();
    Show(folder.Write("huge.gif", GifHeaderOnly(20000, 20000)));
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{"Overlay refused: 20000x20000 exceeds 8192", "Failed to load GIF"}));
    const Pixels pixels = Read();
    EXPECT_EQ(pixels.At(125, 125)[0] + pixels.At(125, 125)[1], 0);
    EXPECT_EQ(PathReadBack(), "");
}
