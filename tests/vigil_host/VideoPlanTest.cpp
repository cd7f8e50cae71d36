// What a render will make and how ffmpeg is asked for it, worked out without processes.
#include <gtest/gtest.h>

#include "tools/hostcli/Progress.h"
#include "tools/render/RenderPlan.h"
#include "tools/video/FfmpegArguments.h"
#include "tools/video/TrackChoice.h"

namespace {

bool Has(const std::vector<std::string>& arguments, const std::string& flag, const std::string& value) {
    for (size_t i = 0; i + 1 < arguments.size(); ++i)
        if (arguments[i] == flag && arguments[i + 1] == value) return true;
    return false;
}

VideoInfo Clip() {
    return ParseProbeOutput(
        "[STREAM]\ncodec_name=h264\ncodec_type=video\nwidth=320\nheight=240\nr_frame_rate=24/1\n"
        "avg_frame_rate=24/1\nduration=2.000000\nnb_frames=48\n[/STREAM]\n[STREAM]\ncodec_name=pcm_s16le\n"
        "codec_type=audio\nr_frame_rate=0/0\nduration=2.000000\n[/STREAM]\n[FORMAT]\nduration=2.000000\n[/FORMAT]\n");
}

}  // namespace

TEST(VideoPlan, TheInputGivesSizeRateAndLengthUnlessOverridden) {
    const VideoInfo clip = Clip();
    ASSERT_TRUE(clip.hasVideo && clip.hasAudio);
    EXPECT_EQ(clip.audioCodec, "pcm_s16le");
    HostOptions options;
    RenderPlan plan;
    std::string error;
    ASSERT_TRUE(PlanRender(options, &clip, Container::Mp4, &plan, &error)) << error;
    EXPECT_EQ(plan.width, 320);
    EXPECT_EQ(plan.frames, 48);
    EXPECT_EQ(plan.rate.Text(), "24/1");
    EXPECT_TRUE(plan.audio);
    options.start = 1.5;
    ParseFrameRate("10", &options.rate);
    ASSERT_TRUE(PlanRender(options, &clip, Container::Gif, &plan, &error));
    EXPECT_EQ(plan.frames, 5);  // the last half second at 10 fps
    EXPECT_FALSE(plan.audio);
    HostOptions still;
    ASSERT_TRUE(PlanRender(still, nullptr, Container::Webm, &plan, &error));
    EXPECT_EQ(plan.frames, 150);  // five seconds at 30 fps
    still.width = 321;
    EXPECT_FALSE(PlanRender(still, nullptr, Container::Mp4, &plan, &error));
}

TEST(VideoPlan, EachContainerGetsItsCodecAndAudioThatFits) {
    const VideoInfo clip = Clip();
    TrackChoice tracks = ChooseTracks(clip, Container::Mp4, "out.mp4");
    EncodeRequest request;
    request.output = "out.mp4";
    request.width = 320;
    request.height = 240;
    request.rate = {24, 1};
    request.tracksInput = {"in.wav", {0, 1}};
    request.tracks = tracks.kept;
    request.duration = 2.0;
    auto arguments = EncodeArguments(request);
    EXPECT_TRUE(Has(arguments, "-c:v", "libx264") && Has(arguments, "-pix_fmt", "yuv420p"));
    EXPECT_TRUE(Has(arguments, "-map", "1:1") && Has(arguments, "-c:1", "aac"));
    ASSERT_EQ(tracks.notes.size(), 1u);
    EXPECT_NE(tracks.notes[0].find("converted"), std::string::npos);
    tracks = ChooseTracks(clip, Container::Mov, "out.mov");
    request.container = Container::Mov;
    request.tracks = tracks.kept;
    arguments = EncodeArguments(request);
    EXPECT_TRUE(Has(arguments, "-profile:v", "4444") && Has(arguments, "-c:1", "copy"));
    EXPECT_TRUE(tracks.notes.empty());
    EXPECT_EQ(arguments.back(), "file:out.mp4");
    request.stream = true;
    EXPECT_EQ(EncodeArguments(request).back(), "pipe:1");
    EXPECT_EQ(FfmpegReason("x\nError writing trailer of out.mp4: No space left on device\n"),
              "No space left on device");
    Container container;
    std::string error;
    EXPECT_TRUE(ChooseOutputFormat("shots/A.JPG", "", false, &container, &error) && container == Container::Jpeg);
    EXPECT_TRUE(ChooseOutputFormat("-", "", true, &container, &error) && container == Container::Matroska);
    EXPECT_FALSE(ChooseOutputFormat("out.avi", "", true, &container, &error));
}

TEST(Progress, SaysHowFarAndWhenToSpeak) {
    EXPECT_EQ(ProgressText(120, 240, 4.0), "120/240 frames  30.0 fps  elapsed 0:04  ETA 0:04");
    EXPECT_EQ(ProgressText(90, 0, 3725.0), "90 frames  0.0 fps  elapsed 1:02:05");
    EXPECT_FALSE(ProgressDue(0.9, -1.0, true));
    EXPECT_TRUE(ProgressDue(1.0, -1.0, false));
    EXPECT_TRUE(ProgressDue(1.3, 1.0, true));
    EXPECT_FALSE(ProgressDue(4.0, 1.0, false));
    EXPECT_TRUE(ProgressDue(6.0, 1.0, false));
}
