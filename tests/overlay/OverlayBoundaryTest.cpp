// The overlay as a host sees it: the built library loaded and driven through plugMain, the
// path set as parameter text, frames processed into the host's framebuffer, pixels read.
#include <GL/glew.h>
#include <dirent.h>

#include <algorithm>
#include <chrono>
#include <thread>

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
    // Sets the path and processes frames until the load is over.
    void Show(const std::string& path) {
        const size_t lines = LogLines().size();
        ASSERT_EQ(SetText(9, path.c_str()), kSuccess);
        Finish(path, lines);
    }
    // Processes frames until the load of `path` is over: a line in the log after the first
    // `lines`, or the path read back otherwise (a GIF that cannot be opened says nothing).
    void Finish(const std::string& path, size_t lines) {
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

TEST_F(OverlayThroughHost, GlobalDeinitialisationLetsALoadInFlightEndAsAnyLoadDoes) {
    // Large enough to be decoding still when code 2 comes.
    const std::string slow = folder.Write("slow.png", SolidPng(4096, 4096, {0, 255, 0, 255}));
    ASSERT_EQ(SetText(9, slow.c_str()), kSuccess);
    Process();  // starts the load
    ASSERT_EQ(Call(kDeinitialise), kSuccess);
    Finish(slow, 0);
    EXPECT_EQ(LogLines(), std::vector<std::string>{"Loaded overlay: 4096x4096"});
    EXPECT_EQ(Read().At(125, 125)[1], 255);

    log->Clear();
    const Bytes whole = EncodePng(SplitPicture(300, 300, {255, 0, 0, 255}, {0, 0, 255, 255}));
    const std::string cut = folder.Write("cut.png", Bytes(whole.begin(), whole.begin() + whole.size() / 2));
    ASSERT_EQ(SetText(9, cut.c_str()), kSuccess);
    Process();
    ASSERT_EQ(Call(kDeinitialise), kSuccess);
    ASSERT_EQ(Call(kInitialise), kSuccess);
    Finish(cut, 0);
    EXPECT_EQ(LogLines(), std::vector<std::string>{"Failed to load overlay image"});
    EXPECT_EQ(PathReadBack(), "");
}

TEST_F(OverlayThroughHost, OverlayTexturesHaveImmutableStorageWhereTheContextHasIt) {
    if (!GLEW_VERSION_4_2 && !GLEW_ARB_texture_storage) GTEST_SKIP() << "the context has no immutable storage";
    Show(folder.Write("wide.png", EncodePng(SolidPicture(200, 100, {255, 0, 0, 255}))));
    // Fitted for a 250-pixel output: 80 x 40, in 7 levels down to 1 x 1.
    int found = 0;
    for (GLuint name = 1; name < 1000; ++name) {
        if (!glIsTexture(name)) continue;
        GLint width = 0, height = 0, immutable = 0, levels = 0;
        glBindTexture(GL_TEXTURE_2D, name);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_IMMUTABLE_FORMAT, &immutable);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_IMMUTABLE_LEVELS, &levels);
        glBindTexture(GL_TEXTURE_2D, 0);
        if (width != 80 || height != 40) continue;
        ++found;
        EXPECT_EQ(immutable, GL_TRUE);
        EXPECT_EQ(levels, 7);
    }
    EXPECT_EQ(found, 1);
}

namespace {

// A host that instantiates with a record that does not say what it draws into.
class OverlayUnderStaleRecord : public OverlayThroughHost {
protected:
    OverlayUnderStaleRecord() {
        width = height = 1024;
        viewportRecord = {0, 0, 1, 1};
    }

    // The share of the drawn picture's pixels that are near black or near white: a
    // picture sized for the output keeps its squares, one sized for a tiny output is grey.
    double SharpShare() {
        const Pixels pixels = Read();
        int sharp = 0, counted = 0;
        // 0.16 x 0.08 of the output, centred; a margin off its edges.
        for (int y = 512 - 36; y < 512 + 36; ++y)
            for (int x = 512 - 76; x < 512 + 76; ++x, ++counted)
                if (pixels.At(x, y)[1] < 60 || pixels.At(x, y)[1] > 195) ++sharp;
        return static_cast<double>(sharp) / counted;
    }
};

}  // namespace

TEST_F(OverlayUnderStaleRecord, APictureIsSizedForTheFramesDrawnNotTheRecord) {
    const std::string checker =
        folder.Write("checker.png", EncodePng(CheckerPicture(200, 100, 10, {0, 0, 0, 255}, {255, 255, 255, 255})));
    Show(checker);
    EXPECT_GT(SharpShare(), 0.6);
    // Another instance, made with an 8 x 8 record, draws the same.
    void* other = Instantiate({0, 0, 8, 8});
    ASSERT_NE(other, nullptr);
    ASSERT_EQ(SetText(9, checker.c_str(), other), kSuccess);
    const size_t lines = LogLines().size();
    for (int frame = 0; frame < 600 && LogLines().size() == lines; ++frame) ASSERT_EQ(Frame(1, other), kSuccess);
    EXPECT_GT(SharpShare(), 0.6);
    EXPECT_EQ(Call(kDeinstantiate, 0, other), kSuccess);
}

namespace {

int ProcessThreads() {
    DIR* tasks = opendir("/proc/self/task");
    int count = 0;
    while (const dirent* entry = tasks ? readdir(tasks) : nullptr)
        if (entry->d_name[0] != '.') ++count;
    if (tasks) closedir(tasks);
    return count;
}

// Many instances of one composition, each with a picture of its own.
class ManyOverlays : public OverlayThroughHost {
protected:
    void TearDown() override {
        for (void* other : others) EXPECT_EQ(Call(kDeinstantiate, 0, other), kSuccess);
        OverlayThroughHost::TearDown();
    }

    // Whether the instance's picture shows: its colour at the centre of the output.
    bool Shows(void* on, Rgba color) {
        EXPECT_EQ(Frame(1, on), kSuccess);
        const Pixels pixels = Read();
        const uint8_t* centre = pixels.At(125, 125);
        return centre[0] == color.r && centre[1] == color.g && centre[2] == color.b;
    }

    std::vector<void*> others;
};

}  // namespace

TEST_F(ManyOverlays, FewThreadsLoadThemAndSlowFilesHoldUpNoSmallPicture) {
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const int slow = cores + 1, small = 2 * cores + 2;
    std::vector<Rgba> colors;
    for (int i = 0; i < slow + small; ++i) {
        void* other = Instantiate({0, 0, 250, 250});
        ASSERT_NE(other, nullptr);
        others.push_back(other);
        colors.push_back({static_cast<uint8_t>(10 + i), static_cast<uint8_t>(200 - i), 77, 255});
    }
    for (int i = 0; i < slow + small; ++i) Shows(others[i], {});  // past the frames that log themselves
    const int threadsBefore = ProcessThreads();
    // Slow files first, every path set in the same frame.
    for (int i = 0; i < slow + small; ++i) {
        const std::string name = std::to_string(i) + ".png";
        const std::string path = i < slow ? folder.Write(name, SolidPng(4096, 4096, colors[i]))
                                          : folder.Write(name, EncodePng(SolidPicture(64, 64, colors[i])));
        ASSERT_EQ(SetText(9, path.c_str(), others[i]), kSuccess);
    }
    int threadsMost = threadsBefore;
    std::vector<bool> shown(colors.size(), false);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::count(shown.begin() + slow, shown.end(), true) < small) {
        ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the small pictures never showed";
        for (size_t i = 0; i < others.size(); ++i) shown[i] = shown[i] || Shows(others[i], colors[i]);
        threadsMost = std::max(threadsMost, ProcessThreads());
    }
    // Every small picture showed while a slow one was still decoding.
    EXPECT_LT(std::count(shown.begin(), shown.begin() + slow, true), slow);
    EXPECT_LE(threadsMost - threadsBefore, cores + 1);
}
