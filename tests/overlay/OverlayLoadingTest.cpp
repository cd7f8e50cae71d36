// Loading through the frame: which branch a path takes, what every failure leaves behind
// (nothing drawn, the path read back empty, one log line, a reason when refused), and
// that each texture is deleted exactly once.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sys/stat.h>

#include <map>

#include "tests/overlay/OverlayGlFixture.h"

using namespace overlay_test;

// Every glDeleteTextures of the test program passes here on its way to the driver.
namespace {
std::map<GLuint, int>& Deletions() {
    static std::map<GLuint, int> deletions;
    return deletions;
}
}  // namespace

extern "C" void glDeleteTextures(GLsizei count, const GLuint* names) {
    using Function = void (*)(GLsizei, const GLuint*);
    static const auto next = reinterpret_cast<Function>(dlsym(RTLD_NEXT, "glDeleteTextures"));
    for (GLsizei i = 0; i < count; ++i) ++Deletions()[names[i]];
    next(count, names);
}

namespace {

class OverlayLoading : public OverlayRender {
protected:
    void ExpectFailed(const std::vector<std::string>& lines, const char* failure) {
        EXPECT_EQ(effect->CurrentOverlayTexture(), 0u);
        EXPECT_EQ(PathReadBack(), "");
        EXPECT_FALSE(OverlayState().ReloadPending());
        EXPECT_EQ(LitBox().Width(), 0);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), failure);
    }

    Bytes Png() const { return EncodePng(SolidPicture(8, 8, kGreen)); }
    Bytes Gif() const { return SolidFramesGif(8, 8, {kRed, kBlue}, 2, 10); }
};

}  // namespace

TEST_F(OverlayLoading, PathsTakeTheGifBranchOnlyForAFinalDotGif) {
    const struct {
        const char* name;
        bool gif;
    } cases[] = {{"clip.GIF", true}, {"clip.Gif", true}, {"clip.gif.png", false}, {"clip", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LogCapture log;
        Show(folder.Write(c.name, Gif()));  // a GIF's first frame also decodes as a still
        EXPECT_EQ(PathReadBack(), folder.Path(c.name));
        EXPECT_EQ(OverlayState().FrameCount(), c.gif ? 2 : 0);
        EXPECT_EQ(log.lines().empty() ? "" : log.lines().back(),
                  c.gif ? "Loaded GIF: 8x8, 2 frames" : "Loaded overlay: 8x8");
        EXPECT_TRUE(SameColor(Centre(), kRed));
    }
    // A dot in a folder name is the last dot when the file name has none.
    ASSERT_EQ(mkdir(folder.Path("my.folder").c_str(), 0700), 0);
    Show(folder.Write("my.folder/clip", Png()));
    EXPECT_EQ(OverlayState().FrameCount(), 0);
    EXPECT_TRUE(SameColor(Centre(), kGreen));
}

TEST_F(OverlayLoading, MissingFilesFail) {
    LogCapture log;
    Show(folder.Path("missing.png"));
    ExpectFailed(log.lines(), "Failed to load overlay image");
    // A GIF that cannot be opened says nothing.
    Show(folder.Write("shown.png", Png()));
    const size_t before = log.lines().size();
    Show(folder.Path("missing.gif"));
    EXPECT_EQ(log.lines().size(), before);
    EXPECT_EQ(effect->CurrentOverlayTexture(), 0u);
    EXPECT_EQ(PathReadBack(), "");
}

TEST_F(OverlayLoading, WrongEmptyTruncatedAndRandomFilesFailAndLeaveNothing) {
    const Picture picture = SplitPicture(32, 32, kRed, kBlue);
    const Bytes png = EncodePng(picture), jpeg = EncodeJpeg(picture), tga = EncodeTga(picture), gif = Gif();
    const struct {
        const char* name;
        Bytes bytes;
        const char* failure;
    } cases[] = {
        {"png-named.gif", png, "Failed to load GIF"},
        {"empty.gif", {}, "Failed to load GIF"},
        {"cut.gif", Bytes(gif.begin(), gif.begin() + 10), "Failed to load GIF"},
        {"cut.png", Bytes(png.begin(), png.begin() + png.size() / 2), "Failed to load overlay image"},
        {"cut.jpg", Bytes(jpeg.begin(), jpeg.begin() + jpeg.size() / 2), "Failed to load overlay image"},
        {"cut.bmp", Bytes(20, 'B'), "Failed to load overlay image"},
        {"cut.tga", Bytes(tga.begin(), tga.begin() + 10), "Failed to load overlay image"},
        {"random.png", Bytes{0x13, 0x77, 0x00, 0xFE, 0x42, 0x42, 0x01, 0x99, 0x5A}, "Failed to load overlay image"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Show(folder.Write("shown.png", Png()));  // something on screen to lose
        ASSERT_NE(effect->CurrentOverlayTexture(), 0u);
        LogCapture log;
        Show(folder.Write(c.name, c.bytes));
        ExpectFailed(log.lines(), c.failure);
        EXPECT_EQ(log.lines().size(), 1u);
    }
}

TEST_F(OverlayLoading, RefusedFilesSayWhy) {
    const struct {
        const char* name;
        Bytes bytes;
        const char* failure;
        const char* reason;
    } cases[] = {
        {"huge.gif", GifHeaderOnly(20000, 20000), "Failed to load GIF", "Overlay refused: 20000x20000 exceeds 8192"},
        {"huge.png", PngClaiming(EncodePng(SolidPicture(4, 4, kRed)), 20000, 20000), "Failed to load overlay image",
         "Overlay refused: 20000x20000 exceeds 8192"},
        {"table.jpg", JpegWithHuffmanCodes(EncodeJpeg(SolidPicture(8, 8, kRed)), 400), "Failed to load overlay image",
         "Overlay refused: JPEG Huffman table declares more than 256 codes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LogCapture log;
        Show(folder.Write(c.name, c.bytes));
        ExpectFailed(log.lines(), c.failure);
        EXPECT_EQ(log.lines(), (std::vector<std::string>{c.reason, c.failure}));
    }
}

TEST_F(OverlayLoading, LoadsAgainAfterAFailure) {
    Show(folder.Path("missing.png"));
    ASSERT_EQ(effect->CurrentOverlayTexture(), 0u);
    Show(folder.Write("good.png", Png()));
    EXPECT_NE(effect->CurrentOverlayTexture(), 0u);
    EXPECT_EQ(PathReadBack(), folder.Path("good.png"));
    EXPECT_TRUE(SameColor(Centre(), kGreen));
}

TEST_F(OverlayLoading, EmptyPathKeepsTheOverlayAndTheFlagRaised) {
    Show(folder.Write("good.png", Png()));
    Show("");
    EXPECT_TRUE(OverlayState().ReloadPending());
    EXPECT_TRUE(SameColor(Centre(), kGreen));
}

TEST_F(OverlayLoading, EveryTextureIsDeletedExactlyOnce) {
    Show(folder.Write("clip.gif", SolidFramesGif(8, 8, {kRed, kGreen, kBlue}, 3, 10)));
    const std::vector<uint32_t> frames = OverlayState().FrameTextures();
    ASSERT_EQ(frames.size(), 3u);
    for (uint32_t name : frames) EXPECT_TRUE(glIsTexture(name));

    Deletions().clear();
    Show(folder.Write("still.png", Png()));
    for (uint32_t name : frames) {
        EXPECT_EQ(Deletions()[name], 1) << name;
        // GL may hand a freed name to the new picture; no other texture keeps it.
        EXPECT_TRUE(!glIsTexture(name) || name == OverlayState().Texture()) << name;
    }
    const uint32_t still = OverlayState().Texture();
    ASSERT_TRUE(glIsTexture(still));

    Deletions().clear();
    Show(folder.Write("again.gif", Gif()));
    EXPECT_EQ(Deletions()[still], 1);
    const std::vector<uint32_t> again = OverlayState().FrameTextures();

    Deletions().clear();
    effect->TearDownGraphics();
    for (uint32_t name : again) {
        EXPECT_EQ(Deletions()[name], 1) << name;
        EXPECT_FALSE(glIsTexture(name));
    }
    EXPECT_EQ(OverlayState().Texture(), 0u);
    EXPECT_EQ(OverlayState().FrameCount(), 0);
    EXPECT_TRUE(OverlayState().FrameTextures().empty());
    EXPECT_EQ(PathReadBack(), "");
}

TEST_F(OverlayLoading, TheOldPictureStaysUntilTheNewOneIsThere) {
    Show(folder.Write("green.png", Png()));
    ASSERT_EQ(
        effect->ApplyParameterText(kParamOverlayImage, folder.Write("red.png", SolidPng(2048, 1024, kRed)).c_str()),
        0u);
    ASSERT_EQ(RenderFrame(), 0u);
    ASSERT_TRUE(Overlay().Loading());  // a 2048-pixel decode outlasts one frame
    EXPECT_TRUE(SameColor(Centre(), kGreen));
    FinishLoad();
    EXPECT_TRUE(SameColor(Centre(), kRed));
}

TEST_F(OverlayLoading, ASupersededLoadNeverShows) {
    LogCapture log;
    ASSERT_EQ(
        effect->ApplyParameterText(kParamOverlayImage, folder.Write("blue.png", SolidPng(2048, 2048, kBlue)).c_str()),
        0u);
    ASSERT_EQ(RenderFrame(), 0u);
    ASSERT_EQ(effect->ApplyParameterText(kParamOverlayImage, folder.Write("green.png", Png()).c_str()), 0u);
    while (Overlay().Loading()) {
        ASSERT_EQ(RenderFrame(), 0u);
        ASSERT_FALSE(SameColor(Centre(), kBlue));
    }
    EXPECT_TRUE(SameColor(Centre(), kGreen));
    EXPECT_EQ(log.lines(), std::vector<std::string>{"Loaded overlay: 8x8"});
}

TEST_F(OverlayLoading, HostilePixelStoreStateGivesTheSamePicture) {
    const std::string file = folder.Write("split.png", EncodePng(SplitPicture(64, 48, kRed, kBlue)));
    Show(file);
    const Pixels clean = Read();
    // What hosts have been seen to leave behind.
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_PIXEL_UNPACK_BUFFER, buffer);
    glBufferData(GL_PIXEL_UNPACK_BUFFER, 1 << 16, nullptr, GL_STREAM_DRAW);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 3840);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 7);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 5);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
    Show(file);
    EXPECT_EQ(Read().bytes, clean.bytes);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_EQ(Integer(GL_PIXEL_UNPACK_BUFFER_BINDING), 0);
    EXPECT_EQ(Integer(GL_UNPACK_ROW_LENGTH), 0);
    EXPECT_EQ(Integer(GL_UNPACK_ALIGNMENT), 4);
    glDeleteBuffers(1, &buffer);
}

TEST_F(OverlayLoading, ALargerOutputSharpensThePictureQuietly) {
    Show(folder.Write("wide.png", SolidPng(1600, 800, kGreen)));
    auto textureWidth = [this] {
        glBindTexture(GL_TEXTURE_2D, effect->CurrentOverlayTexture());
        GLint width = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glBindTexture(GL_TEXTURE_2D, 0);
        return width;
    };
    const GLint small = textureWidth();
    LogCapture log;
    const ffgl::ViewportRecord larger{0, 0, 1000, 1000};
    ASSERT_EQ(effect->ChangeViewport(&larger), 0u);
    ASSERT_EQ(RenderFrame(), 0u);
    EXPECT_TRUE(SameColor(Centre(), kGreen));  // the picture stays while the sharper one comes
    FinishLoad();
    EXPECT_GT(textureWidth(), small);
    EXPECT_TRUE(SameColor(Centre(), kGreen));
    EXPECT_TRUE(log.lines().empty());
}
