// The headless host's command line: which command, on which library, with which options.
#pragma once

#include <string>
#include <vector>

#include "tools/hostcli/CommandRow.h"
#include "tools/video/VideoInfo.h"

struct HostOptions {
    std::string command;  // a name from the command table
    std::string library;
    std::string output;  // picture or video to write; "-" for standard output
    std::string input = "testcard";
    int width = 1280;
    int height = 720;
    bool sizeGiven = false;
    int frames = 0;  // 0: the command's default
    bool framesGiven = false;
    int warmupFrames = 30;
    bool pad = false;
    bool forwardCompatible = false;     // render, bench: a forward-compatible context, as macOS hosts give
    std::vector<std::string> settings;  // "Name=Value", in order
    std::vector<std::string> baseline;  // bench: the configuration to compare against
    bool copyBaseline = false;          // bench: compare against a plain texture copy instead
    // bench: the files to load mid-run instead; more than one: an instance for each.
    std::vector<std::string> loadOverlays;
    std::string parameter;              // gallery: the one parameter to show
    int loadAtFrame = 60;               // bench: after this many measured frames
    std::vector<std::string> switches;  // bench: "Name=Value" applied one after another, mid-run
    FrameRate rate;                     // --fps; numerator 0: not given
    double start = 0.0;                 // --start, seconds
    double duration = 0.0;              // --duration, seconds; 0: not given
    std::string format;                 // --format: overrides the output's extension
    bool quiet = false;                 // render: no progress, no plug-in log lines
    bool noDeinterlace = false;         // render, play: interlaced input keeps its fields
    bool json = false;                  // info --json
    std::string helpTopic;              // help: the command asked about
    // validate: its own options, read by the command.
    std::vector<std::string> commandArguments;
};

// False with a message for anything the commands cannot run with.
bool ParseCommandLine(const std::vector<std::string>& arguments, CommandList commands, HostOptions* options,
                      std::string* error);

// True when the command draws and so needs an X display.
bool NeedsDisplay(CommandList commands, const std::string& command);
