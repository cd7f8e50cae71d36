#include "tools/commands/CommandTable.h"

#include <cstdio>

#include "tools/commands/BenchCommand.h"
#include "tools/commands/FontSheetCommand.h"
#include "tools/commands/GalleryCommand.h"
#include "tools/commands/InfoCommand.h"
#include "tools/commands/PlayCommand.h"
#include "tools/commands/RenderCommand.h"
#include "tools/commands/ThumbnailCommand.h"
#include "tools/hostcli/ExitStatus.h"
#include "tools/validate/ValidateCommand.h"

namespace {

// vigil-host help [COMMAND]: the usage of every command, or one command's help.
int RunHelp(const HostOptions& options);

const CommandRow kCommands[] = {
    {"info", "LIBRARY", 1, "--json ", false, "vigil-host info LIBRARY [--json]",
     "Prints the plug-in's info records, capabilities and parameter table; --json prints them\n"
     "as one JSON object for scripts.\n",
     RunInfo},
    {"thumbnail", "LIBRARY OUT.png", 2, "", false, "vigil-host thumbnail LIBRARY OUT.png",
     "Writes the plug-in's thumbnail picture as a PNG.\n", RunThumbnail},
    {"render", "LIBRARY", 1,
     "--input --size --frames --set --pad --output --fps --start --duration --format --quiet --forward-compatible "
     "--no-deinterlace ",
     true,
     "vigil-host render LIBRARY [--input VIDEO|PICTURE|testcard] [--size WxH] [--fps RATE]\n"
     "                  [--start SECONDS] [--duration SECONDS | --frames N] [--set \"Name=Value\"]...\n"
     "                  [--pad] [--forward-compatible] [--no-deinterlace] [--format EXT] [--quiet] --output OUT",
     "Feeds the plug-in a video (anything ffmpeg reads), a picture or the built-in test card\n"
     "and writes what it draws. The output's extension picks the format: .mp4 (H.264), .mov\n"
     "(ProRes 4444), .webm (VP9), .gif, .mkv, or .png/.jpg pictures: one (the last frame), or\n"
     "one per frame when the name holds a frame number such as frame_%04d.png. \"-\" writes to\n"
     "standard output (a video as a Matroska stream; --format picks another).\n"
     "A video input (or a picture sequence such as frames/f_%03d.png) gives the size, rate and\n"
     "length, shown as a player shows it (upright, square pixels, fields woven unless\n"
     "--no-deinterlace), and its audio and subtitle tracks are kept where the output takes\n"
     "them; --size, --fps, --start and --duration change them. A picture keeps its own size;\n"
     "it or the test card becomes a video of --duration seconds (5 by default) at --fps (30 by\n"
     "default), or of --frames frames. The output is written beside its name and put in place\n"
     "when complete; it may not be the input. Exit status 3: the input is damaged, and the\n"
     "output holds every frame that could be decoded.\n"
     "--set takes a value (\"Grid=Thirds\"), a ramp across the render (\"Hue Shift=0..1\") or\n"
     "keyframes in seconds (\"Glitch=0@0s,1@2s,0@2.5s\", \"Color Mode=Thermal@3s\"): numbers\n"
     "move linearly between keyframes, options and on/off switch at them.\n"
     "Progress goes to standard error for renders longer than a second; --quiet hides it and\n"
     "the plug-in's log lines.\n"
     "--pad puts the input into a larger, power-of-two texture, as some hosts do.\n"
     "--forward-compatible renders in a forward-compatible context, as macOS hosts give.\n",
     RunRender},
    {"play", "LIBRARY", 1, "--input --size --fps --set --pad --no-deinterlace ", true,
     "vigil-host play LIBRARY [--input VIDEO|PICTURE|testcard|/dev/video0] [--size WxH] [--fps RATE]\n"
     "                [--no-deinterlace] [--set \"Name=Value\"]...",
     "Shows the effect live in a window, at the input's own rate: a video loops, a camera\n"
     "(/dev/video0) is read through ffmpeg. Keys: Up/Down pick a parameter, Left/Right change\n"
     "it, Space pauses, S saves a screenshot (play-NNNN.png), Escape or Q (or closing the\n"
     "window) ends. The window's title shows the frame time and the chosen parameter.\n",
     RunPlay},
    {"bench", "LIBRARY", 1,
     "--input --size --frames --set --pad --warmup --baseline --copy-baseline --load-overlay --at-frame "
     "--switch-to --forward-compatible ",
     true,
     "vigil-host bench LIBRARY [--input PICTURE|testcard] [--size WxH] [--frames N] [--warmup N]\n"
     "                 [--set \"Name=Value\"]... [--baseline \"Name=Value\"]... [--copy-baseline] [--pad]\n"
     "                 [--forward-compatible]\n"
     "  vigil-host bench LIBRARY --load-overlay FILE [--load-overlay FILE]... [--at-frame N]\n"
     "                 [--size WxH] [--warmup N] [--set \"Name=Value\"]...\n"
     "  vigil-host bench LIBRARY --switch-to \"Name=Value\"... [--frames N] [--size WxH] [--warmup N] [--pad]\n"
     "                 [--set \"Name=Value\"]...",
     "Times the plug-in's frames (300 after 30 warm-up frames by default) and prints ms and\n"
     "frames per second. --baseline measures another configuration beside it, --copy-baseline\n"
     "the input drawn by a plain texture copy of the same size, frame by frame in turn.\n"
     "--load-overlay sets the plug-in's file parameter to FILE after N measured frames\n"
     "(default 60), at 60 frames a second, and measures the frames until the picture shows;\n"
     "given several times, it makes one instance for each file and sets them all in the same frame.\n"
     "--switch-to times creating an instance, then applies each setting in turn, N frames\n"
     "apart (default 10) at 60 frames a second, and prints the worst frame's extra CPU time\n"
     "after each. --forward-compatible renders in a forward-compatible context, as macOS hosts give.\n",
     RunBench},
    {"gallery", "LIBRARY", 1, "--output --parameter --input --size --frames --start --set ", true,
     "vigil-host gallery LIBRARY --output SHEET.png [--parameter NAME] [--input VIDEO|PICTURE|testcard]\n"
     "                   [--size WxH] [--frames N] [--start SECONDS] [--set \"Name=Value\"]...",
     "Draws a contact sheet of what each parameter does: one frame per option element, off and\n"
     "on of each on/off parameter, and 0, 1/4, 1/2, 3/4 and 1 of each number parameter's range,\n"
     "each captioned with the parameter and the value; --parameter NAME shows that one alone.\n"
     "Each frame is a fresh instance's Nth frame (--frames, 30 by default) at --size (320x180\n"
     "by default), on the test card, a picture or a video's frame at --start. --set gives the\n"
     "other parameters a value under every frame. Works for any FFGL plug-in.\n",
     RunGallery},
    {"font-sheet", "OUT.png", 1, "", false, "vigil-host font-sheet OUT.png",
     "Draws every glyph of the built-in font on one picture.\n", RunFontSheet},
    {"validate", "LIBRARY", 1, "", true,
     "vigil-host validate LIBRARY [--seed N] [--seconds S] [--quick] [--stale-ids] [--group NAME]\n"
     "                    [--call-limit S]",
     "Checks any FFGL 2.1 library against what a host relies on, each group of checks in a\n"
     "child process of its own; see the README for the groups and the report.\n",
     RunValidate},
    {"help", "", 0, "", false, "vigil-host help [COMMAND]", "Prints the usage, or one command's help.\n", RunHelp},
};

int RunHelp(const HostOptions& options) {
    if (options.helpTopic.empty()) {
        std::fputs(UsageText(), stdout);
        return kExitOk;
    }
    const CommandRow* command = FindCommand(Commands(), options.helpTopic);
    if (!command) return UsageError("unknown command \"" + options.helpTopic + "\"");
    std::fputs(CommandHelp(*command).c_str(), stdout);
    return kExitOk;
}

}  // namespace

CommandList Commands() { return kCommands; }

int RunCommand(const HostOptions& options) {
    const CommandRow* command = FindCommand(Commands(), options.command);
    if (!command) return CommandLineError("unknown command \"" + options.command + "\"");
    const int status = command->run(options);
    // Commands below this table report their usage errors without the usage text.
    if (status == kExitUsage) std::fputs(UsageText(), stderr);
    return status;
}

const char* UsageText() {
    static const std::string text = UsageText(Commands());
    return text.c_str();
}

int CommandLineError(const std::string& message) {
    UsageError(message);
    std::fputs(UsageText(), stderr);
    return kExitUsage;
}
