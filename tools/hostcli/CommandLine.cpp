#include "tools/hostcli/CommandLine.h"

#include <cstdlib>

namespace {

constexpr int kMaxSide = 16384;

bool ParseSize(const std::string& text, int* width, int* height) {
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    char* end = nullptr;
    const long w = std::strtol(text.c_str(), &end, 10);
    if (end != text.c_str() + x) return false;
    const long h = std::strtol(text.c_str() + x + 1, &end, 10);
    if (*end != '\0' || x + 1 == text.size()) return false;
    if (w < 1 || h < 1 || w > kMaxSide || h > kMaxSide) return false;
    *width = static_cast<int>(w);
    *height = static_cast<int>(h);
    return true;
}

bool ParseCount(const std::string& text, int minimum, int* count) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < minimum || value > 1000000) return false;
    *count = static_cast<int>(value);
    return true;
}

// Which options each command accepts.
bool Accepts(const std::string& command, const std::string& option) {
    const bool draws = command == "render" || command == "bench";
    if (option == "--baseline" || option == "--warmup" || option == "--copy-baseline" || option == "--load-overlay" ||
        option == "--at-frame")
        return command == "bench";
    if (option == "--output") return command == "render";
    return draws;
}

bool ApplyOption(const std::string& option, const std::string& value, HostOptions* options, std::string* error) {
    if (option == "--input")
        options->input = value;
    else if (option == "--output")
        options->output = value;
    else if (option == "--set")
        options->settings.push_back(value);
    else if (option == "--baseline")
        options->baseline.push_back(value);
    else if (option == "--load-overlay")
        options->loadOverlay = value;
    else if (option == "--size") {
        if (!ParseSize(value, &options->width, &options->height)) {
            *error = "--size takes WIDTHxHEIGHT, each 1 to " + std::to_string(kMaxSide) + ", not \"" + value + "\"";
            return false;
        }
    } else if (option == "--frames") {
        if (!ParseCount(value, 1, &options->frames)) {
            *error = "--frames takes a whole number of at least 1, not \"" + value + "\"";
            return false;
        }
    } else if (option == "--at-frame") {
        if (!ParseCount(value, 1, &options->loadAtFrame)) {
            *error = "--at-frame takes a whole number of at least 1, not \"" + value + "\"";
            return false;
        }
    } else if (option == "--warmup") {
        if (!ParseCount(value, 0, &options->warmupFrames)) {
            *error = "--warmup takes a whole number of at least 0, not \"" + value + "\"";
            return false;
        }
    } else {
        *error = "unknown option " + option;
        return false;
    }
    return true;
}

// Options after the positional arguments; "--name value" or "--name=value".
bool ParseOptions(const std::vector<std::string>& arguments, size_t first, HostOptions* options, std::string* error) {
    for (size_t i = first; i < arguments.size(); ++i) {
        std::string option = arguments[i];
        std::string value;
        const size_t equals = option.find('=');
        const bool inlineValue = option.rfind("--", 0) == 0 && equals != std::string::npos;
        if (inlineValue) {
            value = option.substr(equals + 1);
            option.resize(equals);
        }
        if (option.rfind("--", 0) != 0 || !Accepts(options->command, option)) {
            *error = "\"" + arguments[i] + "\" is not an option of " + options->command;
            return false;
        }
        if (option == "--pad" || option == "--copy-baseline") {
            (option == "--pad" ? options->pad : options->copyBaseline) = true;
            continue;
        }
        if (option == "--forward-compatible") {
            options->forwardCompatible = true;
            continue;
        }
        if (!inlineValue) {
            if (i + 1 == arguments.size()) {
                *error = option + " needs a value";
                return false;
            }
            value = arguments[++i];
        }
        if (!ApplyOption(option, value, options, error)) return false;
    }
    return true;
}

// How many positional arguments follow the command name.
int PositionalCount(const std::string& command) {
    if (command == "info" || command == "render" || command == "bench" || command == "validate") return 1;
    if (command == "thumbnail") return 2;
    if (command == "font-sheet") return 1;
    return -1;
}

}  // namespace

bool NeedsDisplay(const std::string& command) {
    return command == "render" || command == "bench" || command == "validate";
}

bool ParseCommandLine(const std::vector<std::string>& arguments, HostOptions* options, std::string* error) {
    if (arguments.empty()) {
        *error = "no command given";
        return false;
    }
    options->command = arguments[0];
    const int positional = PositionalCount(options->command);
    if (positional < 0) {
        *error = "unknown command \"" + options->command + "\"";
        return false;
    }
    if (static_cast<int>(arguments.size()) < 1 + positional) {
        *error = options->command + " needs " +
                 (positional == 2                    ? "LIBRARY and OUT.png"
                  : options->command == "font-sheet" ? "OUT.png"
                                                     : "LIBRARY");
        return false;
    }
    if (options->command == "font-sheet")
        options->output = arguments[1];
    else
        options->library = arguments[1];
    if (options->command == "thumbnail") options->output = arguments[2];
    if (options->command == "validate") {
        options->commandArguments.assign(arguments.begin() + 2, arguments.end());
        return true;
    }
    if (!ParseOptions(arguments, 1 + positional, options, error)) return false;
    if (options->frames == 0) options->frames = options->command == "bench" ? 300 : 1;
    if (options->copyBaseline && !options->baseline.empty()) {
        *error = "bench takes --baseline or --copy-baseline, not both";
        return false;
    }
    if (!options->loadOverlay.empty() && (options->copyBaseline || !options->baseline.empty())) {
        *error = "bench --load-overlay measures one configuration, without a baseline";
        return false;
    }
    if (options->command == "render" && options->output.empty()) {
        *error = "render needs --output OUT.png";
        return false;
    }
    return true;
}

const char* UsageText() {
    return "usage:\n"
           "  vigil-host info LIBRARY\n"
           "  vigil-host thumbnail LIBRARY OUT.png\n"
           "  vigil-host render LIBRARY [--input PICTURE|testcard] [--size WxH] [--frames N]\n"
           "                    [--set \"Name=Value\"]... [--pad] [--forward-compatible] --output OUT.png\n"
           "  vigil-host bench LIBRARY [--input PICTURE|testcard] [--size WxH] [--frames N] [--warmup N]\n"
           "                   [--set \"Name=Value\"]... [--baseline \"Name=Value\"]... [--copy-baseline] [--pad]\n"
           "                   [--forward-compatible]\n"
           "  vigil-host bench LIBRARY --load-overlay FILE [--at-frame N] [--size WxH] [--warmup N]\n"
           "                   [--set \"Name=Value\"]...\n"
           "  vigil-host font-sheet OUT.png\n"
           "  vigil-host validate LIBRARY [--seed N] [--seconds S] [--quick] [--stale-ids] [--group NAME]\n"
           "                      [--call-limit S]   checks any FFGL 2.1 library; see the README\n"
           "An --output name may hold a frame-number pattern such as frame_%04d.png: every frame is\n"
           "then written, numbered from 1. --copy-baseline measures, beside the plug-in, the input\n"
           "drawn by a plain texture copy of the same size. --load-overlay sets the plug-in's file\n"
           "parameter to FILE after N measured frames (default 60), at 60 frames a second, and\n"
           "measures the frames until the picture shows. --forward-compatible renders in a\n"
           "forward-compatible context, as macOS hosts give.\n";
}
