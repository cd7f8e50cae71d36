// The headless host's command line: which command, on which library, with which options.
#pragma once

#include <string>
#include <vector>

struct HostOptions {
    std::string command;  // info, thumbnail, render, bench, font-sheet
    std::string library;
    std::string output;  // picture to write; may hold one %d-style frame number
    std::string input = "testcard";
    int width = 1280;
    int height = 720;
    int frames = 0;  // 0: the command's default
    int warmupFrames = 30;
    bool pad = false;
    bool forwardCompatible = false;     // render, bench: a forward-compatible context, as macOS hosts give
    std::vector<std::string> settings;  // "Name=Value", in order
    std::vector<std::string> baseline;  // bench: the configuration to compare against
    bool copyBaseline = false;          // bench: compare against a plain texture copy instead
    std::string loadOverlay;            // bench: the file to load mid-run instead
    int loadAtFrame = 60;               // bench: after this many measured frames
    // validate: its own options, read by the command.
    std::vector<std::string> commandArguments;
};

// False with a message for anything the commands cannot run with.
bool ParseCommandLine(const std::vector<std::string>& arguments, HostOptions* options, std::string* error);

// True when the command draws and so needs an X display.
bool NeedsDisplay(const std::string& command);

const char* UsageText();
