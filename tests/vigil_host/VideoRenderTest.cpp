// vigil-host render with video in and out, run as a user runs it, and read back with ffprobe.
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>

#include <chrono>
#include <thread>

#include "HostProcess.h"

namespace {

// A second of 96x64 video at 12 fps with a sine tone, made by ffmpeg's own test sources.
std::string Clip() {
    static const std::string path = [] {
        std::string made = (ScratchDirectory("clip") / "clip.mp4").string();
        ShellOutput(
            "ffmpeg -v error -f lavfi -i testsrc2=size=96x64:rate=12 -f lavfi -i sine=sample_rate=48000 "
            "-t 1 -c:v libx264 -pix_fmt yuv420p -c:a aac -shortest -y " +
            made);
        return made;
    }();
    return path;
}

// "codec,width,height,rate,frames" of each stream, one line each.
std::string Streams(const std::string& path) {
    return ShellOutput(
        "ffprobe -v error -count_frames -show_entries "
        "stream=codec_name,width,height,r_frame_rate,nb_read_frames -of csv=p=0 '" +
        path + "'");
}

void ExpectFailure(const HostRun& run, const std::string& text) {
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.err.find(text), std::string::npos) << run.err;
}

}  // namespace

TEST(VideoRender, AClipKeepsItsFramesRateSizeAndAudio) {
    const std::string out = (ScratchDirectory("round-trip") / "out.mp4").string();
    const HostRun run =
        RunHost({"render", VIGIL_PLUGIN_PATH, "--input", Clip(), "--set", "Hue Shift=0..1", "--output", out});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string audio = Streams(Clip()).substr(Streams(Clip()).find("\naac") + 1);
    EXPECT_EQ(Streams(out), "h264,96,64,12/1,12\n" + audio);
}

TEST(VideoRender, EveryOutputFormatOpensInFfprobe) {
    const auto directory = ScratchDirectory("formats");
    const std::vector<std::pair<std::string, std::string>> outputs = {
        {"a.mp4", "h264"}, {"a.mov", "prores"}, {"a.webm", "vp9"}, {"a.gif", "gif"},
        {"a.mkv", "h264"}, {"a.jpg", "mjpeg"},  {"a.png", "png"},  {"folder/a_%02d.png", "png"}};
    for (const auto& [name, codec] : outputs) {
        const std::string out = (directory / name).string();
        const HostRun run = RunHost({"render", VIGIL_PLUGIN_PATH, "--size", "64x48", "--frames", "3", "--output", out});
        ASSERT_EQ(run.status, 0) << name << "\n" << run.err;
        const std::string opened = name.find('%') != std::string::npos ? (directory / "folder/a_03.png").string() : out;
        EXPECT_EQ(Streams(opened).substr(0, codec.size() + 6), codec + ",64,48") << name;
    }
    // Standard output carries a stream another program reads.
    const HostRun piped = RunHost({"render", VIGIL_PLUGIN_PATH, "--size", "64x48", "--frames", "3", "--output", "-"});
    ASSERT_EQ(piped.status, 0) << piped.err;
    const std::string streamed = (directory / "streamed.mkv").string();
    std::ofstream(streamed, std::ios::binary) << piped.out;
    EXPECT_EQ(Streams(streamed), "h264,64,48,30/1,3\n");
}

TEST(VideoRender, AFullDiskFailsWithTheReasonAndLeavesNoPartialFile) {
    const auto directory = ScratchDirectory("full-disk");
    const auto limit = [] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit small{20000, 20000};
        setrlimit(RLIMIT_FSIZE, &small);
    };
    for (const char* name : {"big.mp4", "big.png"}) {
        const std::string out = (directory / name).string();
        const HostRun run = RunHost({"render", VIGIL_PLUGIN_PATH, "--frames", "4", "--output", out}, false, limit);
        ExpectFailure(run, "cannot write " + out + ": File too large");
        EXPECT_FALSE(std::filesystem::exists(out)) << name;
    }
    for (const char* format : {"png", "mp4"}) {
        const HostRun run =
            RunHost({"render", VIGIL_PLUGIN_PATH, "--size", "64x48", "--format", format, "--output", "/dev/full"});
        ExpectFailure(run, "cannot write /dev/full: No space left on device");
    }
}

TEST(VideoRender, BadInputsGetOneClearLineEach) {
    const auto directory = ScratchDirectory("bad-inputs");
    const std::string text = (directory / "notes.mp4").string(), empty = (directory / "empty.mp4").string();
    const std::string sound = (directory / "sound.m4a").string();
    std::ofstream(text) << "not a video\n";
    std::ofstream touch(empty);
    ShellOutput("ffmpeg -v error -f lavfi -i sine -t 0.2 -y " + sound);
    const std::string out = (directory / "out.mp4").string();
    const std::vector<std::pair<std::string, std::string>> inputs = {
        {(directory / "missing.mp4").string(), ": No such file or directory"},
        {text, ": Invalid data found when processing input"},
        {empty, " is empty"},
        {sound, " has no video stream"}};
    for (const auto& [input, reason] : inputs)
        ExpectFailure(RunHost({"render", VIGIL_PLUGIN_PATH, "--input", input, "--output", out}), input + reason);
    const HostRun noFfmpeg = RunHost({"render", VIGIL_PLUGIN_PATH, "--input", Clip(), "--output", out}, false,
                                     [] { setenv("PATH", "/nonexistent", 1); });
    ExpectFailure(noFfmpeg, "ffprobe is not installed");
    EXPECT_FALSE(std::filesystem::exists(out));
}

// The host, its Xvfb and its ffmpeg all end on TERM, and what was rendered plays.
TEST(VideoRender, ASignalEndsEveryProcessAndKeepsAPlayableVideo) {
    // Orphans would come to this process, where they can be counted.
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    const std::string out = (ScratchDirectory("signal") / "stopped.mp4").string();
    const pid_t host = fork();
    if (host == 0) {
        unsetenv("DISPLAY");
        execl(VIGIL_HOST_PATH, VIGIL_HOST_PATH, "render", VIGIL_PLUGIN_PATH, "--size", "160x90", "--duration", "600",
              "--quiet", "--output", out.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    // Until the render ends, the video grows under a temporary name beside its own.
    for (int wait = 0; wait < 300 && GrowingBytes(out) < 2000; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    kill(host, SIGTERM);
    int status = 0;
    waitpid(host, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    int orphans = 0;
    while (waitpid(-1, &status, WNOHANG) > 0) ++orphans;
    EXPECT_EQ(waitpid(-1, &status, WNOHANG), -1) << "a child of the host is still running";
    EXPECT_EQ(orphans, 0);
    EXPECT_EQ(Streams(out).substr(0, 12), "h264,160,90,");
    prctl(PR_SET_CHILD_SUBREAPER, 0);
}
