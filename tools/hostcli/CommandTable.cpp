#include "tools/hostcli/CommandTable.h"

namespace {

const CommandSpec kCommands[] = {
    {"info", "LIBRARY", 1, "--json ", false, "vigil-host info LIBRARY [--json]",
     "Prints the plug-in's info records, capabilities and parameter table; --json prints them\n"
     "as one JSON object for scripts.\n"},
    {"thumbnail", "LIBRARY OUT.png", 2, "", false, "vigil-host thumbnail LIBRARY OUT.png",
     "Writes the plug-in's thumbnail picture as a PNG.\n"},
    {"render", "LIBRARY", 1,
     "--input --size --frames --set --pad --output --fps --start --duration --format --quiet --forward-compatible ",
     true,
     "vigil-host render LIBRARY [--input VIDEO|PICTURE|testcard] [--size WxH] [--fps RATE]\n"
     "                  [--start SECONDS] [--duration SECONDS | --frames N] [--set \"Name=Value\"]...\n"
     "                  [--pad] [--forward-compatible] [--format EXT] [--quiet] --output OUT",
     "Feeds the plug-in a video (anything ffmpeg reads), a picture or the built-in test card\n"
     "and writes what it draws. The output's extension picks the format: .mp4 (H.264), .mov\n"
     "(ProRes 4444), .webm (VP9), .gif, .mkv, or .png/.jpg pictures: one (the last frame), or\n"
     "one per frame when the name holds a frame number such as frame_%04d.png. \"-\" writes to\n"
     "standard output (a video as a Matroska stream; --format picks another).\n"
     "A video input gives the size, rate and length, and its audio is kept; --size, --fps,\n"
     "--start and --duration change them. A picture or the test card becomes a video of\n"
     "--duration seconds (5 by default) at --fps (30 by default), or of --frames frames.\n"
     "--set takes a value (\"Grid=Thirds\"), a ramp across the render (\"Hue Shift=0..1\") or\n"
     "keyframes in seconds (\"Glitch=0@0s,1@2s,0@2.5s\", \"Color Mode=Thermal@3s\"): numbers\n"
     "move linearly between keyframes, options and on/off switch at them.\n"
     "Progress goes to standard error for renders longer than a second; --quiet hides it.\n"
     "--pad puts the input into a larger, power-of-two texture, as some hosts do.\n"
     "--forward-compatible renders in a forward-compatible context, as macOS hosts give.\n"},
    {"play", "LIBRARY", 1, "--input --size --fps --set --pad ", true,
     "vigil-host play LIBRARY [--input VIDEO|PICTURE|testcard|/dev/video0] [--size WxH] [--fps RATE]\n"
     "                [--set \"Name=Value\"]...",
     "Shows the effect live in a window, at the input's own rate: a video loops, a camera\n"
     "(/dev/video0) is read through ffmpeg. Keys: Up/Down pick a parameter, Left/Right change\n"
     "it, Space pauses, S saves a screenshot (play-NNNN.png), Escape or Q (or closing the\n"
     "window) ends. The window's title shows the frame time and the chosen parameter.\n"},
    {"bench", "LIBRARY", 1,
     "--input --size --frames --set --pad --warmup --baseline --copy-baseline --load-overlay --at-frame "
     "--forward-compatible ",
     true,
     "vigil-host bench LIBRARY [--input PICTURE|testcard] [--size WxH] [--frames N] [--warmup N]\n"
     "                 [--set \"Name=Value\"]... [--baseline \"Name=Value\"]... [--copy-baseline] [--pad]\n"
     "                 [--forward-compatible]\n"
     "  vigil-host bench LIBRARY --load-overlay FILE [--load-overlay FILE]... [--at-frame N]\n"
     "                 [--size WxH] [--warmup N] [--set \"Name=Value\"]...",
     "Times the plug-in's frames (300 after 30 warm-up frames by default) and prints ms and\n"
     "frames per second. --baseline measures another configuration beside it, --copy-baseline\n"
     "the input drawn by a plain texture copy of the same size. --load-overlay sets the\n"
     "plug-in's file parameter to FILE after N measured frames (default 60), at 60 frames a\n"
     "second, and measures the frames until the picture shows; given several times, it makes\n"
     "one instance for each file and sets them all in the same frame. --forward-compatible\n"
     "renders in a forward-compatible context, as macOS hosts give.\n"},
    {"font-sheet", "OUT.png", 1, "", false, "vigil-host font-sheet OUT.png",
     "Draws every glyph of the built-in font on one picture.\n"},
    {"validate", "LIBRARY", 1, "", true,
     "vigil-host validate LIBRARY [--seed N] [--seconds S] [--quick] [--stale-ids] [--group NAME]\n"
     "                    [--call-limit S]",
     "Checks any FFGL 2.1 library against what a host relies on, each group of checks in a\n"
     "child process of its own; see the README for the groups and the report.\n"},
    {"help", "", 0, "", false, "vigil-host help [COMMAND]", "Prints the usage, or one command's help.\n"},
};

}  // namespace

const CommandSpec* FindCommand(const std::string& name) {
    for (const CommandSpec& command : kCommands)
        if (name == command.name) return &command;
    return nullptr;
}

bool AcceptsOption(const CommandSpec& command, const std::string& option) {
    return std::string(command.options).find(option + " ") != std::string::npos;
}

const char* UsageText() {
    static const std::string text = [] {
        std::string usage = "usage:\n";
        for (const CommandSpec& command : kCommands) usage += "  " + std::string(command.synopsis) + "\n";
        usage += "  vigil-host --version\n";
        usage += "`vigil-host help COMMAND` or `vigil-host COMMAND --help` tells more about a command.\n";
        return usage;
    }();
    return text.c_str();
}

std::string CommandHelp(const CommandSpec& command) {
    return "usage: " + std::string(command.synopsis) + "\n\n" + command.help;
}
