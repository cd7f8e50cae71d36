// vigil-host render on clips shaped like real footage, made here by ffmpeg's generators:
// nothing lost, the picture as a player shows it, colours by their tags, sound in sync.
#include <signal.h>

#include <chrono>
#include <cmath>
#include <thread>

#include "HostProcess.h"
#include "tools/hostcli/PictureWrite.h"

namespace {

const std::string kFlash = "-f lavfi -i \"color=c=black:s=64x48:r=25:d=2,drawbox=c=white:t=fill:enable='eq(n,25)'\" ";

// A beep at `at` seconds of a sound that lasts `seconds`.
std::string Beep(double at, double seconds) {
    return "-f lavfi -i \"aevalsrc='if(between(t," + std::to_string(at) + "," + std::to_string(at + 0.1) +
           "),sin(2*PI*1000*t),0)':s=48000:d=" + std::to_string(seconds) + "\" ";
}

// A clip ffmpeg makes from its arguments (sources, filters, codecs) in the folder.
std::string Make(const std::filesystem::path& folder, const std::string& name, const std::string& arguments) {
    std::string path = (folder / name).string();
    ShellOutput("ffmpeg -v error " + arguments + " -y '" + path + "'");
    return path;
}

// Renders with the HUD and the info block off, so that the picture passes through unchanged.
HostRun Render(const std::string& input, const std::string& output, std::vector<std::string> more = {}) {
    std::vector<std::string> arguments = {"render",      VIGIL_PLUGIN_PATH, "--set", "Show Info=off", "--set",
                                          "Corners=off", "--input",         input,   "--output",      output};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return RunHost(arguments);
}

std::string Probe(const std::string& path, const std::string& entries, const std::string& streams = "v:0") {
    return ShellOutput("ffprobe -v error -select_streams " + streams + " -show_entries " + entries + " -of csv=p=0 '" +
                       path + "'");
}

// The time of the first frame a lavfi graph gives whose tag passes `above`; -1 when none does.
double FirstTimeAbove(const std::string& graph, const std::string& tag, double above) {
    std::istringstream lines(ShellOutput("ffprobe -v quiet -f lavfi -i '" + graph +
                                         "' -show_entries frame=pts_time:frame_tags=" + tag + " -of csv=p=0"));
    for (std::string line; std::getline(lines, line);) {
        const size_t comma = line.find(',');
        if (comma != std::string::npos && std::strtod(line.c_str() + comma + 1, nullptr) > above)
            return std::strtod(line.c_str(), nullptr);
    }
    return -1.0;
}

// When the white frame shows and when the beep sounds, as a player times them.
double FlashTime(const std::string& path) {
    return FirstTimeAbove("movie=" + path + ",format=gray,signalstats", "lavfi.signalstats.YAVG", 128);
}
double BeepTime(const std::string& path) {
    return FirstTimeAbove("amovie=" + path +
                              ",aformat=sample_fmts=flt:channel_layouts=mono,asetnsamples=n=48,"
                              "astats=metadata=1:reset=1",
                          "lavfi.astats.Overall.Peak_level", -20);
}

// Starts a render and returns once its output has grown past 20 kB under its temporary
// name, so that a signal then meets it mid-way; the host's process id.
pid_t RenderWhileGrowing(std::vector<std::string> arguments, const std::string& output) {
    arguments.insert(arguments.begin(), {VIGIL_HOST_PATH, "render", VIGIL_PLUGIN_PATH});
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    const pid_t host = fork();
    if (host == 0) {
        execv(argv[0], argv.data());
        _exit(127);
    }
    for (int wait = 0; wait < 600 && GrowingBytes(output) < 20000; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return host;
}

bool Says(const HostRun& run, const std::string& text) { return run.err.find(text) != std::string::npos; }

// Eight bars: white, the six 75% colours, black.
const uint8_t kBars[8][3] = {{255, 255, 255}, {191, 191, 0}, {0, 191, 191}, {0, 191, 0},
                             {191, 0, 191},   {191, 0, 0},   {0, 0, 191},   {0, 0, 0}};

std::string BarsPicture(const std::filesystem::path& folder, int width, int height) {
    std::vector<uint8_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint8_t* bar = kBars[x * 8 / width];
            pixels.insert(pixels.end(), {bar[0], bar[1], bar[2], 255});
        }
    std::string path = (folder / ("bars" + std::to_string(width) + ".png")).string();
    std::string error;
    EXPECT_TRUE(WritePng(path, width, height, pixels.data(), &error)) << error;
    return path;
}

}  // namespace

TEST(Footage, NothingIsLost) {
    const auto folder = ScratchDirectory("nothing-lost");
    const std::string clip = Make(folder, "clip.mp4", kFlash + "-c:v libx264");
    const std::string before = ReadWholeFile(clip);
    std::filesystem::create_hard_link(clip, folder / "hard.mp4");
    std::filesystem::create_symlink(clip, folder / "soft.mp4");
    for (const char* name : {"hard.mp4", "soft.mp4"}) {
        const HostRun run = Render((folder / name).string(), clip);
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(Says(run, "which the render reads")) << run.err;
    }
    EXPECT_EQ(ReadWholeFile(clip), before);
    // The overlay picture is read too.
    const std::string picture = Make(folder, "overlay.png", "-f lavfi -i testsrc2=size=64x48 -frames:v 1");
    const std::string pictureBefore = ReadWholeFile(picture);
    EXPECT_EQ(Render("testcard", picture, {"--set", "Overlay Image=" + picture}).status, 1);
    EXPECT_EQ(ReadWholeFile(picture), pictureBefore);
    // A phone clip (index first) cut short: every frame that decodes is kept, exit status 3.
    const std::string whole =
        ReadWholeFile(Make(folder, "phone.mp4", kFlash + Beep(1, 2) + "-c:v libx264 -c:a aac -movflags +faststart"));
    std::ofstream((folder / "cut.mp4").string(), std::ios::binary) << whole.substr(0, whole.size() * 2 / 3);
    const std::string out = (folder / "out.mkv").string();
    const HostRun cut = Render((folder / "cut.mp4").string(), out);
    EXPECT_EQ(cut.status, 3);
    const std::string frames = Probe(out, "stream=nb_read_frames -count_frames");
    EXPECT_GT(std::atoi(frames.c_str()), 10);
    EXPECT_TRUE(Says(cut, "cut.mp4 is damaged") &&
                Says(cut, ": " + frames.substr(0, frames.find('\n')) + " of 50 frames"))
        << cut.err;
    // Killed outright, a render leaves nothing under the output's own name.
    const std::string killed = (folder / "killed.mp4").string();
    const pid_t host = RenderWhileGrowing({"--size", "64x48", "--duration", "600", "--output", killed}, killed);
    kill(host, SIGKILL);
    waitpid(host, nullptr, 0);
    EXPECT_FALSE(std::filesystem::exists(killed));
}

TEST(Footage, ThePictureAsAPlayerShowsIt) {
    const auto folder = ScratchDirectory("shown");
    const std::string source = "-f lavfi -i testsrc2=size=64x48:rate=25 -t 0.2 ";
    // Turned as ffmpeg's own decoder turns it: upright, pixel for pixel (within ffmpeg's rounding).
    const std::string turned = Make(folder, "turned.mp4", source + "-c:v libx264 -metadata:s:v rotate=90");
    ASSERT_EQ(Render(turned, (folder / "turned.png").string(), {"--frames", "1"}).status, 0);
    Make(folder, "upright.png", "-i '" + turned + "' -frames:v 1");
    EXPECT_EQ(ShellOutput("compare -metric AE -fuzz 3% '" + (folder / "turned.png").string() + "' '" +
                          (folder / "upright.png").string() + "' null: 2>&1"),
              "0");
    const std::string wide = Make(folder, "pal.mkv", source + "-vf scale=45:48,setsar=64/45 -c:v ffv1");
    const std::string odd = Make(folder, "odd.mkv", source + "-vf format=yuv444p,crop=63:47:0:0 -c:v ffv1");
    struct Case {
        std::string input, output, size, note;
    };
    for (const Case& test : {Case{wide, "wide.mp4", "64,48", "non-square pixels (64:45)"},
                             Case{odd, "odd.mp4", "62,46", "cut by one pixel to 62x46"},
                             Case{odd, "odd.mov", "63,47", ""}, Case{odd, "odd.png", "63,47", ""}}) {
        const std::string out = (folder / test.output).string();
        const HostRun run = Render(test.input, out);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Probe(out, "stream=width,height"), test.size + "\n") << test.output;
        EXPECT_EQ(Says(run, "vigil-host: "), !test.note.empty()) << run.err;
        EXPECT_TRUE(Says(run, test.note)) << run.err;
    }
}

// Colour bars tagged BT.709, BT.601 and full range come back within 3 steps when each output
// is decoded by the tags it carries: BT.709 for HD, BT.601 for SD, limited range.
TEST(Footage, ColoursComeBackByTheirTags) {
    const auto folder = ScratchDirectory("colours");
    struct Case {
        int width;
        std::string matrix, range, output;
    };
    // 1280 wide is HD whatever the height: low pictures keep the test quick. Each codec once.
    const Case cases[] = {{1280, "bt709", "tv", "hd.mp4"},
                          {1280, "bt709", "tv", "hd.mov"},
                          {320, "smpte170m", "tv", "sd.webm"},
                          {320, "smpte170m", "pc", "full.mkv"}};
    const int height = 32;
    // ffmpeg's exact conversion, to make the bars and to read them back.
    const std::string exact = ":flags=accurate_rnd+full_chroma_int";
    for (const Case& test : cases) {
        std::string making = "-loop 1 -i '" + BarsPicture(folder, test.width, height) + "' -frames:v 2";
        making += " -vf scale=out_color_matrix=" + std::string(test.matrix == "bt709" ? "bt709" : "bt601");
        making += ":out_range=" + test.range + exact + ",format=yuv420p -c:v libx264 -qp 0";
        for (const char* tag : {" -colorspace ", " -color_primaries ", " -color_trc "}) making += tag + test.matrix;
        const std::string clip = Make(folder, "in-" + test.output + ".mp4", making + " -color_range " + test.range);
        const std::string out = (folder / test.output).string();
        ASSERT_EQ(Render(clip, out).status, 0) << out;
        // ffprobe lists the range first.
        const std::string tags = Probe(out, "stream=color_range,color_space");
        EXPECT_EQ(tags, test.width > 320 ? "tv,bt709\n" : "tv,smpte170m\n") << out;
        std::string reading = "ffmpeg -v error -i '" + out + "' -frames:v 1 -vf scale=in_color_matrix=";
        reading += (tags == "tv,bt709\n" ? "bt709" : "bt601") + (":in_range=tv" + exact);
        const std::string rgb = ShellOutput(reading + " -f rawvideo -pix_fmt rgb24 -");
        ASSERT_EQ(rgb.size(), static_cast<size_t>(test.width) * height * 3) << out;
        for (int bar = 0; bar < 8; ++bar) {
            const size_t at = (static_cast<size_t>(height / 2) * test.width + (2 * bar + 1) * test.width / 16) * 3;
            for (int c = 0; c < 3; ++c)
                EXPECT_NEAR(static_cast<uint8_t>(rgb[at + c]), kBars[bar][c], 3) << out << " bar " << bar;
        }
    }
}

TEST(Footage, SoundStaysInSync) {
    const auto folder = ScratchDirectory("sync");
    // MPEG-TS whose sound starts 0.477 s after its picture; the beep comes with the flash at 1 s.
    const std::string late =
        Make(folder, "late.ts", kFlash + "-itsoffset 0.477 " + Beep(0.523, 1.5) + "-c:v libx264 -c:a mp2 -f mpegts");
    for (const char* extension : {"mp4", "mkv", "mov", "webm"}) {
        const std::string out = (folder / (std::string("late.") + extension)).string();
        ASSERT_EQ(Render(late, out).status, 0) << out;
        EXPECT_NEAR(FlashTime(out), 1.0, 0.001) << out;
        EXPECT_NEAR(BeepTime(out), 1.0, 0.04) << out;
    }
    // Matroska seeks to its one keyframe: the sound before --start still stays out.
    const std::string sparse = Make(folder, "sparse.mkv", kFlash + Beep(1, 2) + "-c:v libx264 -g 250 -c:a libvorbis");
    const std::string started = (folder / "started.mkv").string();
    ASSERT_EQ(Render(sparse, started, {"--start", "0.5"}).status, 0);
    // 0.5 s falls between two frames: the picture may start with either, within a frame of the sound.
    EXPECT_NEAR(FlashTime(started), 0.5, 0.04);
    EXPECT_NEAR(BeepTime(started), FlashTime(started), 0.04);
}

TEST(Footage, AnInterruptedRenderEndsItsSoundWithItsPictures) {
    const auto folder = ScratchDirectory("interrupted");
    const std::string clip = Make(folder, "long.mp4",
                                  "-f lavfi -i testsrc2=size=64x48:rate=25 -f lavfi -i sine -t 120 -c:v libx264 "
                                  "-preset ultrafast -c:a aac");
    const std::string out = (folder / "out.mp4").string();
    const pid_t host = RenderWhileGrowing({"--input", clip, "--quiet", "--output", out}, out);
    kill(host, SIGINT);
    int status = 0;
    waitpid(host, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << status;
    const double video = std::atof(Probe(out, "stream=duration").c_str());
    EXPECT_GT(video, 0.5);
    EXPECT_LT(video, 100.0) << "the render was not interrupted";
    EXPECT_NEAR(std::atof(Probe(out, "stream=duration", "a:0").c_str()), video, 0.05);
}

TEST(Footage, EveryTrackIsKeptOrNamed) {
    const auto folder = ScratchDirectory("tracks");
    std::ofstream((folder / "words.srt").string()) << "1\n00:00:00,000 --> 00:00:00,400\nhello\n";
    const std::string clip =
        Make(folder, "tracks.mov",
             "-f lavfi -i testsrc2=size=64x48:rate=25 -f lavfi -i sine -f lavfi -i sine=f=880 -i '" +
                 (folder / "words.srt").string() +
                 "' -t 0.5 -map 0 -map 1 -map 2 -map 3 -c:v libx264 -c:a aac -c:s mov_text "
                 "-timecode 01:00:00:00");
    const std::string mkv = (folder / "out.mkv").string(), gif = (folder / "out.gif").string();
    const HostRun kept = Render(clip, mkv);
    ASSERT_EQ(kept.status, 0) << kept.err;
    EXPECT_EQ(Probe(mkv, "stream=codec_name", "a"), "aac\naac\n");
    EXPECT_EQ(Probe(mkv, "stream=codec_name", "s"), "subrip\n");
    EXPECT_TRUE(Says(kept, "out.mkv leaves out the input's stream 4 (a timecode track)")) << kept.err;
    const HostRun none = Render(clip, gif);
    EXPECT_TRUE(Says(none, "stream 1 (audio, aac), stream 2 (audio, aac), stream 3 (mov_text subtitles)")) << none.err;
}

TEST(Footage, EveryFrameAndFieldIsKept) {
    const auto folder = ScratchDirectory("rates");
    // 24 frames a second for a second, then 60.
    const std::string varying =
        Make(folder, "varying.mp4",
             "-f lavfi -i \"testsrc2=size=64x48:rate=120,select='if(lt(t,1),not(mod(n,5)),not(mod(n,2)))'\" -t 2 "
             "-vsync vfr -c:v libx264");
    const std::string out = (folder / "varying.mkv").string();
    const HostRun run = Render(varying, out);
    EXPECT_TRUE(Says(run, "rendered at 60 fps")) << run.err;
    EXPECT_EQ(Probe(out, "stream=r_frame_rate,nb_read_frames -count_frames"), "60/1,120\n");
    const std::string fields = Make(folder, "fields.mp4",
                                    "-f lavfi -i testsrc2=size=64x48:rate=50 -t 0.2 -vf tinterlace=interleave_top "
                                    "-c:v libx264 -flags +ildct+ilme -field_order tt");
    const HostRun woven = Render(fields, (folder / "woven.mp4").string());
    EXPECT_TRUE(Says(woven, "fields.mp4 is interlaced (top field first)")) << woven.err;
    EXPECT_EQ(Probe((folder / "woven.mp4").string(), "stream=field_order"), "progressive\n");
    ASSERT_EQ(Render(fields, (folder / "kept.mp4").string(), {"--no-deinterlace"}).status, 0);
    EXPECT_EQ(Probe((folder / "kept.mp4").string(), "stream=field_order"), "tt\n");
    const std::string hdr =
        Make(folder, "hdr.mp4",
             "-f lavfi -i testsrc2=size=64x48:rate=25 -t 0.2 -vf format=gbrp,zscale=tin=bt709:min=gbr:"
             "pin=bt709:rin=pc:p=bt2020:t=smpte2084:m=bt2020nc:r=tv:npl=100,format=yuv420p10le "
             "-c:v libx264 -color_primaries bt2020 -color_trc smpte2084 -colorspace bt2020nc");
    const HostRun mapped = Render(hdr, (folder / "sdr.mp4").string());
    EXPECT_TRUE(Says(mapped, "hdr.mp4 is 10-bit HDR (PQ, BT.2020): tone-mapped to 8-bit SDR")) << mapped.err;
    EXPECT_EQ(Probe((folder / "sdr.mp4").string(), "stream=pix_fmt,color_transfer"), "yuv420p,smpte170m\n");
}

TEST(Footage, EverydayEdges) {
    const auto folder = ScratchDirectory("edges");
    const std::string colon = Make(folder, "take:1.mp4", kFlash + "-t 0.4 -c:v libx264");
    const HostRun named = Render(colon, (folder / "out:1.mkv").string(), {"--quiet"});
    ASSERT_EQ(named.status, 0) << named.err;
    EXPECT_FALSE(Says(named, "ZaqVigilomatronic")) << "--quiet hides the plug-in's log lines";
    Make(folder, "f_%03d.png", "-f lavfi -i testsrc2=size=64x48 -frames:v 4");
    const std::string sequence = (folder / "sequence.mp4").string();
    ASSERT_EQ(Render((folder / "f_%03d.png").string(), sequence).status, 0);
    EXPECT_EQ(Probe(sequence, "stream=nb_read_frames -count_frames"), "4\n");
    const std::string past = (folder / "past.mp4").string();
    const HostRun longer = Render(colon, past, {"--duration", "5"});
    EXPECT_TRUE(Says(longer, "--duration runs past the end of " + colon + " (0.40 s): it has 10 frames to render"))
        << longer.err;
    EXPECT_EQ(Probe(past, "stream=nb_read_frames -count_frames"), "10\n");
    const std::string missing = (folder / "missing.png").string(), unwritten = (folder / "unwritten.png").string();
    const HostRun overlay = Render("testcard", unwritten, {"--set", "Overlay Image=" + missing});
    EXPECT_EQ(overlay.status, 1);
    EXPECT_TRUE(Says(overlay, "cannot load \"" + missing + "\"")) << overlay.err;
    const HostRun bare = Render("testcard", (folder / "bare").string());
    EXPECT_EQ(bare.status, 1);
    EXPECT_TRUE(Says(bare, "cannot tell the format of")) << bare.err;
    EXPECT_FALSE(Says(bare, "ZaqVigilomatronic")) << "refused before the plug-in draws";
    EXPECT_FALSE(std::filesystem::exists(unwritten) || std::filesystem::exists(folder / "bare"));
}
