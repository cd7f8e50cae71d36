// How real footage is read and planned, worked out without processes: ffprobe's answers,
// the picture's shape, colours, frame rates, tracks, and the 4:2:0 conversion.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "tools/render/RenderPlan.h"
#include "tools/video/FrameTimes.h"
#include "tools/video/TrackChoice.h"
#include "tools/video/VideoColour.h"
#include "tools/video/YuvFrames.h"

namespace {

std::string Stream(const std::string& fields) { return "[STREAM]\n" + fields + "[/STREAM]\n"; }

// A phone clip: stored 97x55 (odd), turned a quarter, pixels 4:3 wide, its sound starting
// 0.5 s after its picture, which starts 1.4 s into an MPEG-TS file that lists it twice.
VideoInfo PhoneClip() {
    const std::string picture = Stream(
        "index=0\ncodec_type=video\ncodec_name=h264\nwidth=97\nheight=55\nsample_aspect_ratio=1:1\npix_fmt=yuvj420p\n"
        "color_space=unknown\nfield_order=progressive\nr_frame_rate=30/1\navg_frame_rate=30/1\nstart_time=1.4\n"
        "duration=2.0\n[SIDE_DATA]\nrotation=-90\n[/SIDE_DATA]\n");
    const std::string sound = Stream("index=1\ncodec_type=audio\ncodec_name=mp2\nstart_time=1.9\n");
    return ParseProbeOutput("[PROGRAM]\n" + picture + sound + "[/PROGRAM]\n" + picture + sound +
                            "[FORMAT]\nstart_time=1.4\nduration=2.0\n[/FORMAT]\n");
}

HostOptions Options(const std::string& output) {
    HostOptions options;
    options.input = "phone.ts";
    options.output = output;
    return options;
}

}  // namespace

TEST(FootagePlan, ProbeAnswersGiveThePictureAsShown) {
    VideoInfo clip = PhoneClip();
    ASSERT_EQ(clip.streams.size(), 2u);
    EXPECT_EQ(clip.rotation, 90);
    EXPECT_EQ(clip.colour.range, "pc");
    EXPECT_EQ(InputColour(clip).matrix, "smpte170m");  // untagged and small: BT.601
    RenderPlan plan;
    std::string error;
    ASSERT_TRUE(PlanRender(Options("out.mp4"), &clip, Container::Mp4, &plan, &error)) << error;
    EXPECT_EQ(plan.width, 54);  // upright, and cut by a pixel each way for 4:2:0
    EXPECT_EQ(plan.height, 96);
    EXPECT_EQ(plan.decode.cropWidth, 54);
    EXPECT_EQ(plan.decode.layout, FrameLayout::Yuv420Planes);
    EXPECT_NEAR(plan.tracksStart, 0.0, 1e-9);  // the picture starts the file
    ASSERT_EQ(plan.notes.size(), 2u);
    EXPECT_NE(plan.notes[0].find("phone.ts is 55x97: cut by one pixel to 54x96"), std::string::npos);
    EXPECT_EQ(plan.notes[1], ".mp4 cannot hold mp2 audio: it is converted to aac");
    // The live window reads it the same way, whole: nothing needs even sides there.
    std::vector<std::string> notes;
    const DecodeRequest live = PlanLive(Options(""), clip, &notes);
    EXPECT_EQ(live.width, 55);
    EXPECT_EQ(live.rotation, 90);
    EXPECT_EQ(live.colour.range, "pc");
    EXPECT_TRUE(notes.empty());
    ASSERT_TRUE(PlanRender(Options("out.mov"), &clip, Container::Mov, &plan, &error));
    EXPECT_EQ(plan.width, 55);
    for (const std::string& note : plan.notes) EXPECT_EQ(note.find("cut"), std::string::npos) << note;
    clip.rotation = 0;
    clip.aspectNumerator = 4;
    clip.aspectDenominator = 3;
    HostOptions later = Options("out.mkv");
    later.start = 0.5;
    later.duration = 5.0;
    ASSERT_TRUE(PlanRender(later, &clip, Container::Matroska, &plan, &error));
    EXPECT_EQ(plan.width, 130);  // 97 x 4/3, both sides even
    EXPECT_EQ(plan.frames, 45);  // what is left after --start, not --duration's 150
    EXPECT_NEAR(plan.tracksStart, 0.5, 1e-9);
    EXPECT_NE(plan.notes.back().find("--duration runs past the end of phone.ts (1.50 s after --start)"),
              std::string::npos);
}

TEST(FootagePlan, ColoursFieldsAndRates) {
    EXPECT_EQ(OutputColour(1280, 720).matrix, "bt709");
    EXPECT_EQ(OutputColour(720, 576).primaries, "bt470bg");
    EXPECT_EQ(OutputColour(640, 480).matrix, "smpte170m");
    EXPECT_EQ(OutputColour(640, 480).range, "tv");
    VideoInfo hd =
        ParseProbeOutput(Stream("codec_type=video\nwidth=1920\nheight=1080\npix_fmt=yuv420p10le\n"
                                "color_transfer=smpte2084\ncolor_primaries=bt2020\nfield_order=tt\n"));
    EXPECT_EQ(InputColour(hd).matrix, "bt709");
    EXPECT_EQ(InputColour(hd).range, "tv");
    EXPECT_NE(ColourNote(hd, "hdr.mkv").find("hdr.mkv is 10-bit HDR (PQ, BT.2020): tone-mapped"), std::string::npos);
    hd.sdrFilters = false;  // an ffmpeg without zscale: said so
    EXPECT_NE(ColourNote(hd, "hdr.mkv").find("without tone mapping"), std::string::npos);
    EXPECT_TRUE(hd.interlaced);
    hd.colour = {};
    HostOptions fields = Options("out.mov");
    fields.noDeinterlace = true;
    RenderPlan plan;
    std::string error;
    ASSERT_TRUE(PlanRender(fields, &hd, Container::Mov, &plan, &error));
    EXPECT_FALSE(plan.decode.deinterlace);
    EXPECT_EQ(plan.fieldOrder, "tt");
    // 24 frames a second, then 60, with a millisecond's jitter.
    std::vector<double> times;
    times.reserve(84);
    for (int i = 0; i < 24; ++i) times.push_back(i / 24.0 + (i % 2) * 0.001);
    for (int i = 0; i < 60; ++i) times.push_back(1.0 + i / 60.0);
    RateRange rates;
    ASSERT_TRUE(MeasureRates(times, &rates));
    EXPECT_EQ(rates.highest.Text(), "60/1");
    EXPECT_NEAR(rates.lowest, 24.0, 0.5);
}

TEST(FootagePlan, EachTrackIsKeptConvertedOrNamed) {
    const VideoInfo clip = ParseProbeOutput(Stream("index=0\ncodec_type=video\nwidth=64\nheight=48\n") +
                                            Stream("index=1\ncodec_type=audio\ncodec_name=aac\n") +
                                            Stream("index=2\ncodec_type=audio\ncodec_name=pcm_s24le\n") +
                                            Stream("index=3\ncodec_type=subtitle\ncodec_name=subrip\n") +
                                            Stream("index=4\ncodec_type=subtitle\ncodec_name=hdmv_pgs_subtitle\n") +
                                            Stream("index=5\ncodec_type=data\ncodec_tag_string=tmcd\n"));
    const TrackChoice mkv = ChooseTracks(clip, Container::Matroska, "out.mkv");
    ASSERT_EQ(mkv.kept.size(), 4u);
    EXPECT_EQ(mkv.kept[3].codec, "copy");
    EXPECT_EQ(mkv.notes, std::vector<std::string>{"out.mkv leaves out the input's stream 5 (a timecode track)"});
    const TrackChoice mp4 = ChooseTracks(clip, Container::Mp4, "out.mp4");
    ASSERT_EQ(mp4.kept.size(), 3u);
    EXPECT_EQ(mp4.kept[1].codec, "aac");
    EXPECT_EQ(mp4.kept[2].codec, "mov_text");
    EXPECT_EQ(mp4.notes.back(),
              "out.mp4 leaves out the input's stream 4 (hdmv_pgs_subtitle subtitles), stream 5 (a timecode track)");
    EXPECT_EQ(OutputErrors("[mov,mp4 @ 0x1] partial file\nError while decoding stream #1:0: x\n"
                           "Error writing trailer of out.mp4: No space left on device\n"),
              "Error writing trailer of out.mp4: No space left on device\n");
}

// Against the standard's formulas in double precision: every value rounds to the same byte.
TEST(FootagePlan, FourTwoZeroConversionIsExact) {
    const int width = 19, height = 5;  // vector groups of eight and a scalar rest, odd sides
    // Pixel (x, y) of the picture, top row first, in the RGBA GL gives, bottom row first.
    auto pixel = [&](const std::vector<uint8_t>& rgba, int x, int y) {
        return &rgba[(static_cast<size_t>(height - 1 - y) * width + x) * 4];
    };
    std::mt19937 random(7);
    std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4), yuv(Yuv420Bytes(width, height)),
        back(rgba.size());
    for (uint8_t& byte : rgba) byte = static_cast<uint8_t>(random());
    for (const ColourTags& colour :
         {OutputColour(1280, 720), OutputColour(640, 480), ColourTags{"bt709", "pc", "", ""}}) {
        const YuvCoding coding = CodingOf(colour);
        RgbaToYuv420(rgba.data(), width, height, coding, yuv.data());
        const LumaWeights w = WeightsOf(colour.matrix);
        const bool full = colour.range == "pc";
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const uint8_t* p = pixel(rgba, x, y);
                const double luma = w.kr * p[0] + (1 - w.kr - w.kb) * p[1] + w.kb * p[2];
                EXPECT_NEAR(yuv[y * width + x], full ? luma : 16 + luma * 219 / 255, 0.5001) << x << "," << y;
            }
        Yuv420ToRgba(yuv.data(), width, height, coding, back.data());
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const double l = (yuv[y * width + x] - (full ? 0 : 16)) * (full ? 1.0 : 255.0 / 219);
                const int chroma = width * height + (y / 2) * ((width + 1) / 2) + x / 2;
                const int crPlane = ((width + 1) / 2) * ((height + 1) / 2);
                const double scale = full ? 1.0 : 255.0 / 224;
                const double cb = (yuv[chroma] - 128) * scale, cr = (yuv[chroma + crPlane] - 128) * scale;
                const double r = l + 2 * (1 - w.kr) * cr, b = l + 2 * (1 - w.kb) * cb;
                const uint8_t* p = pixel(back, x, y);
                EXPECT_NEAR(p[0], std::clamp(r, 0.0, 255.0), 0.5001);
                EXPECT_NEAR(p[2], std::clamp(b, 0.0, 255.0), 0.5001);
                EXPECT_NEAR(p[1], std::clamp((l - w.kr * r - w.kb * b) / (1 - w.kr - w.kb), 0.0, 255.0), 0.5001);
            }
    }
}
