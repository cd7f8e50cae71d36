// The loading threads without GL: a newer path supersedes an older one, stopping in the
// middle of a load neither hangs nor leaks, a load waiting for its uploads holds no thread,
// and one called off by the global shutdown goes on afterwards (this program also runs
// under ThreadSanitizer). Paths that name no regular file are refused without blocking.
// The upload allowance the instances share.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "overlay/drawing/UploadAllowance.h"
#include "overlay/loading/DecodeBudget.h"
#include "overlay/loading/GuardedDecode.h"
#include "overlay/loading/OverlayFile.h"
#include "overlay/loading/OverlayLoader.h"
#include "tests/overlay/PictureFiles.h"

using namespace overlay_test;

namespace {

// The loading threads alive in this process, as the system lists them by their name.
size_t LoadingThreads() {
    size_t count = 0;
    DIR* tasks = opendir("/proc/self/task");
    while (const dirent* entry = tasks ? readdir(tasks) : nullptr) {
        std::string name;
        if (entry->d_name[0] != '.')
            std::getline(std::ifstream("/proc/self/task/" + std::string(entry->d_name) + "/comm"), name);
        count += name == "vigil-overlay" ? 1 : 0;
    }
    if (tasks) closedir(tasks);
    return count;
}

// Collects until the load is over, or gives up after a minute.
LoaderDelivery Finish(OverlayLoader& loader) {
    LoaderDelivery all;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!all.outcome && std::chrono::steady_clock::now() < deadline) {
        LoaderDelivery some = loader.Collect();
        for (PreparedFrame& frame : some.frames) {
            loader.Uploaded(ChainBytes(frame.levels));
            all.frames.push_back(std::move(frame));
        }
        all.outcome = std::move(some.outcome);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return all;
}

class OverlayLoading : public ::testing::Test {
protected:
    TempFolder folder;
    // Large enough that its decode is still running when the test acts.
    const std::string large = folder.Write("large.png", SolidPng(4096, 4096, {0, 0, 255, 255}));
};

}  // namespace

TEST_F(OverlayLoading, ANewerPathSupersedesTheLoadInProgress) {
    OverlayLoader loader;
    loader.Request(large, 2048);
    loader.Request(folder.Write("small.png", EncodePng(SolidPicture(30, 20, {255, 0, 0, 255}))), 2048);
    const LoaderDelivery delivery = Finish(loader);
    ASSERT_TRUE(delivery.outcome);
    EXPECT_EQ(delivery.outcome->logLines, std::vector<std::string>{"Loaded overlay: 30x20"});
    ASSERT_EQ(delivery.frames.size(), 1u);
    EXPECT_EQ(delivery.frames[0].levels[0].size, (PictureSize{30, 20}));
    EXPECT_EQ(delivery.frames[0].levels.back().size, (PictureSize{1, 1}));
}

TEST_F(OverlayLoading, StoppingInTheMiddleOfALoadReturnsAndLeavesNothing) {
    for (const int delay : {0, 2, 10, 40, 150}) {
        SCOPED_TRACE(delay);
        OverlayLoader loader;
        loader.Request(large, 2048);
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        loader.Stop();
        EXPECT_FALSE(loader.Collect().outcome);
        // A stopped loader starts again on the next request.
        loader.Request(folder.Write("again.png", EncodePng(SolidPicture(4, 4, {1, 2, 3, 255}))), 2048);
        EXPECT_TRUE(Finish(loader).outcome->succeeded);
    }
}

TEST_F(OverlayLoading, LoadsWaitingForTheirUploadsHoldNoThread) {
    // Frames of 1024 x 1024 with their levels: a dozen fill what a load may keep waiting.
    const std::string gif = folder.Write("clip.gif", SolidFramesGif(1024, 1024, {{0, 0, 255, 255}}, 12, 10));
    std::vector<std::unique_ptr<OverlayLoader>> full;
    for (unsigned i = 0; i < std::thread::hardware_concurrency() + 2; ++i) {
        full.push_back(std::make_unique<OverlayLoader>());
        full.back()->Request(gif, 2048);  // and never collected
    }
    OverlayLoader loader;
    loader.Request(folder.Write("small.png", EncodePng(SolidPicture(4, 4, {1, 2, 3, 255}))), 2048);
    EXPECT_TRUE(Finish(loader).outcome->succeeded);
}

TEST_F(OverlayLoading, ALoadCalledOffByTheGlobalShutdownGoesOnAfterwards) {
    const std::string still = folder.Write("still.png", SolidPng(1024, 1024, {0, 255, 0, 255}));
    const std::string gif = folder.Write("clip.gif", SolidFramesGif(256, 256, {{255, 0, 0, 255}}, 40, 10));
    for (const int delay : {0, 10}) {
        SCOPED_TRACE(delay);
        OverlayLoader picture, animation;
        picture.Request(still, 2048);
        animation.Request(gif, 2048);
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        LoaderDelivery early = animation.Collect();
        OverlayLoader::EndAllThreads();
        EXPECT_EQ(LoadingThreads(), 0u);
        const LoaderDelivery rest = early.outcome ? LoaderDelivery{} : Finish(animation);
        EXPECT_TRUE(Finish(picture).outcome->succeeded);
        const std::optional<PreparedOutcome>& outcome = early.outcome ? early.outcome : rest.outcome;
        ASSERT_TRUE(outcome && outcome->succeeded);
        // Started again where it was, no frame twice.
        EXPECT_EQ(early.frames.size() + rest.frames.size(), 40u);
    }
}

TEST(UploadAllowance, EveryInstanceSharesOneAllowanceAFrameAndTheSmallestGoFirst) {
    UploadAllowance allowance(1000);
    int big = 0, small = 0, smaller = 0;
    // The first frame: first come, first served, and the first may go beyond.
    const UploadAllowance::Grant first = allowance.Ask(&big, 5000, false);
    EXPECT_EQ(first.bytes, 1000u);
    EXPECT_TRUE(first.beyond);
    allowance.Spend(900, false);
    EXPECT_EQ(allowance.Ask(&small, 300, false).bytes, 100u);
    allowance.Spend(100, false);
    const UploadAllowance::Grant patient = allowance.Ask(&smaller, 200, true);
    EXPECT_EQ(patient.bytes, 0u);
    EXPECT_TRUE(patient.beyond);  // once a frame, for one that waited long
    allowance.Spend(200, true);
    // The next frame keeps the smaller needs for their instances, whoever asks first.
    const UploadAllowance::Grant rest = allowance.Ask(&big, 4100, false);
    EXPECT_EQ(rest.bytes, 500u);
    EXPECT_FALSE(rest.beyond);
    allowance.Spend(500, false);
    EXPECT_EQ(allowance.Ask(&small, 200, false).bytes, 300u);
    allowance.Spend(200, false);
    EXPECT_EQ(allowance.Ask(&smaller, 0, false).bytes, 300u);
}

TEST_F(OverlayLoading, ADecodeCalledOffMidwayFreesEveryBlock) {
    const Bytes png = ReadFile(large);
    std::atomic<bool> cancelled{false};
    ScopedDecodeCancel cancel(cancelled);
    std::thread caller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        cancelled = true;
    });
    const DecodedPicture picture = DecodePicture(png);
    caller.join();
    EXPECT_FALSE(picture.pixels);
    EXPECT_EQ(DecoderBytesInUse(), 0u);
}

TEST_F(OverlayLoading, WhatIsNoRegularFileIsRefusedWithoutBlocking) {
    const std::string fifo = folder.Path("fifo.png");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const OverlayFile pipe = ReadOverlayFile(fifo);  // a blocking open would never return
    EXPECT_TRUE(pipe.opened);
    EXPECT_FALSE(pipe.complete);
    EXPECT_EQ(pipe.problem, fifo + " is not a regular file");
    const OverlayFile directory = ReadOverlayFile(folder.Path(""));
    EXPECT_EQ(directory.problem, folder.Path("") + " is a directory");
}
