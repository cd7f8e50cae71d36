// The overlay as a host sees it: the built library loaded and driven through plugMain, the
// path set as parameter text, frames processed into the host's framebuffer, pixels read.
#include <memory>
#include <vector>

#include "tests/host/LoadedPlugin.h"
#include "tests/overlay/PictureFiles.h"
#include "tools/hostkit/GlContext.h"
#include "tools/hostkit/InputTexture.h"
#include "tools/hostkit/RenderTarget.h"

using namespace ffgl;
using namespace overlay_test;

namespace {

std::vector<std::string>& LogLines() {
    static std::vector<std::string> lines;
    return lines;
}
void ReceiveLog(const char* text) { LogLines().push_back(text); }

class OverlayThroughHost : public LoadedPlugin {
protected:
    void SetUp() override {
        std::string error;
        context = GlContext::Create(&error);
        if (!context) GTEST_SKIP() << error << " (run under xvfb-run -a)";
        ASSERT_TRUE(target.Create(kSide, kSide));
        const std::vector<uint8_t> black(16 * 16 * 4, 0);
        ASSERT_TRUE(input.Create(16, 16, 16, 16, black.data()));
        ViewportRecord viewport{0, 0, kSide, kSide};
        const uint64_t handle = CallWith(kInstantiate, &viewport);
        ASSERT_NE(handle, kFailure);
        instance = BitsPointer<void>(handle);
        SetParameterRecord hideHud{1, 0, FloatBits(0.0f)};
        ASSERT_EQ(CallWith(kSetParameter, &hideHud, instance), kSuccess);
        if (library->setLogCallback) library->setLogCallback(&ReceiveLog);
        for (int frame = 0; frame < 3; ++frame) Process();  // past the frames that log themselves
        LogLines().clear();
    }
    void TearDown() override {
        if (instance) {
            EXPECT_EQ(Call(kDeinstantiate, 0, instance), kSuccess);
        }
        if (library->setLogCallback) library->setLogCallback(nullptr);
        input.Release();
        target.Release();
    }

    void Process() {
        TextureRecord texture{16, 16, 16, 16, input.texture};
        TextureRecord* inputs[1] = {&texture};
        ProcessingRecord record{1, 0, inputs, target.framebuffer, 0};
        ASSERT_EQ(CallWith(kProcessFrame, &record, instance), kSuccess);
    }
    void Show(const std::string& path) {
        SetParameterRecord record{9, 0, PointerBits(path.c_str())};
        ASSERT_EQ(CallWith(kSetParameter, &record, instance), kSuccess);
        Process();
    }
    std::string PathReadBack() { return Text(Call(kGetParameter, 9, instance)); }
    // Rows bottom-up; 4 bytes per pixel.
    const uint8_t* PixelAt(const std::vector<uint8_t>& pixels, int x, int y) {
        return &pixels[(static_cast<size_t>(y) * kSide + x) * 4];
    }

    static constexpr uint32_t kSide = 250;  // 0.16 of it is 40 pixels
    std::unique_ptr<GlContext> context;
    RenderTarget target;
    InputTexture input;
    void* instance = nullptr;
    TempFolder folder;
};

}  // namespace

TEST_F(OverlayThroughHost, WidePictureIsDrawnUprightInTheCentre) {
    Show(folder.Write("wide.png", EncodePng(SplitPicture(200, 100, {255, 0, 0, 255}, {0, 0, 255, 255}))));
    const std::vector<uint8_t> pixels = target.ReadPixels();
    EXPECT_EQ(PixelAt(pixels, 125, 130)[0], 255);  // upper half: red
    EXPECT_EQ(PixelAt(pixels, 125, 120)[2], 255);  // lower half: blue
    EXPECT_EQ(PixelAt(pixels, 125, 137)[0], 0);    // above the 20-pixel-high picture
    EXPECT_EQ(PixelAt(pixels, 103, 120)[2], 0);    // left of the 40-pixel-wide picture
    EXPECT_EQ(PixelAt(pixels, 107, 120)[2], 255);
    EXPECT_EQ(PathReadBack(), folder.Path("wide.png"));
}

TEST_F(OverlayThroughHost, GifPlaysAndAFailedLoadLeavesNothing) {
    Show(folder.Write("clip.gif", SolidFramesGif(8, 8, {{255, 0, 0, 255}, {0, 255, 0, 255}}, 2, 10)));
    EXPECT_EQ(LogLines(), std::vector<std::string>{"Loaded GIF: 8x8, 2 frames"});
    for (int frame = 0; frame < 5; ++frame) Process();
    EXPECT_EQ(PixelAt(target.ReadPixels(), 125, 125)[0], 255);
    Process();
    EXPECT_EQ(PixelAt(target.ReadPixels(), 125, 125)[1], 255);

    LogLines().clear();
    Show(folder.Write("huge.gif", GifHeaderOnly(20000, 20000)));
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{"Overlay refused: 20000x20000 exceeds 8192", "Failed to load GIF"}));
    const std::vector<uint8_t> pixels = target.ReadPixels();
    EXPECT_EQ(PixelAt(pixels, 125, 125)[0] + PixelAt(pixels, 125, 125)[1], 0);
    EXPECT_EQ(PathReadBack(), "");
}
