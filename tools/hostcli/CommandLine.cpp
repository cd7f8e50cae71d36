#include "tools/hostcli/CommandLine.h"

#include <cmath>
#include <cstdlib>

#include "tools/hostcli/CommandRow.h"

namespace {

constexpr int kMaxSide = 16384;
constexpr double kMaxSeconds = 24.0 * 3600.0;

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

bool ParseSeconds(const std::string& text, double minimum, double* seconds) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value) || value < minimum || value > kMaxSeconds) return false;
    *seconds = value;
    return true;
}

bool Refuse(const std::string& message, std::string* error) {
    *error = message;
    return false;
}

bool ApplyNumber(const std::string& option, const std::string& value, HostOptions* options, std::string* error) {
    const std::string quoted = ", not \"" + value + "\"";
    if (option == "--size") {
        options->sizeGiven = true;
        return ParseSize(value, &options->width, &options->height) ||
               Refuse("--size takes WIDTHxHEIGHT, each 1 to " + std::to_string(kMaxSide) + quoted, error);
    }
    if (option == "--frames") {
        options->framesGiven = true;
        return ParseCount(value, 1, &options->frames) ||
               Refuse("--frames takes a whole number of at least 1" + quoted, error);
    }
    if (option == "--warmup")
        return ParseCount(value, 0, &options->warmupFrames) ||
               Refuse("--warmup takes a whole number of at least 0" + quoted, error);
    if (option == "--at-frame")
        return ParseCount(value, 1, &options->loadAtFrame) ||
               Refuse("--at-frame takes a whole number of at least 1" + quoted, error);
    if (option == "--fps")
        return ParseFrameRate(value, &options->rate) ||
               Refuse("--fps takes frames per second such as 30, 29.97 or 30000/1001" + quoted, error);
    if (option == "--start")
        return ParseSeconds(value, 0.0, &options->start) || Refuse("--start takes seconds from 0" + quoted, error);
    if (option == "--duration")
        return (ParseSeconds(value, 0.0, &options->duration) && options->duration > 0.0) ||
               Refuse("--duration takes seconds above 0" + quoted, error);
    return Refuse("unknown option " + option, error);
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
    else if (option == "--format")
        options->format = value;
    else if (option == "--load-overlay")
        options->loadOverlays.push_back(value);
    else if (option == "--parameter")
        options->parameter = value;
    else if (option == "--switch-to")
        options->switches.push_back(value);
    else
        return ApplyNumber(option, value, options, error);
    return true;
}

// Options that take no value.
bool* SwitchOf(const std::string& option, HostOptions* options) {
    if (option == "--pad") return &options->pad;
    if (option == "--copy-baseline") return &options->copyBaseline;
    if (option == "--quiet") return &options->quiet;
    if (option == "--no-deinterlace") return &options->noDeinterlace;
    if (option == "--json") return &options->json;
    if (option == "--forward-compatible") return &options->forwardCompatible;
    return nullptr;
}

// Options after the positional arguments; "--name value" or "--name=value".
bool ParseOptions(const std::vector<std::string>& arguments, size_t first, const CommandRow& command,
                  HostOptions* options, std::string* error) {
    for (size_t i = first; i < arguments.size(); ++i) {
        std::string option = arguments[i];
        std::string value;
        const size_t equals = option.find('=');
        const bool inlineValue = option.rfind("--", 0) == 0 && equals != std::string::npos;
        if (inlineValue) {
            value = option.substr(equals + 1);
            option.resize(equals);
        }
        if (option.rfind("--", 0) != 0 || !AcceptsOption(command, option))
            return Refuse("\"" + arguments[i] + "\" is not an option of " + options->command, error);
        if (bool* flag = SwitchOf(option, options)) {
            *flag = true;
            continue;
        }
        if (!inlineValue) {
            if (i + 1 == arguments.size()) return Refuse(option + " needs a value", error);
            value = arguments[++i];
        }
        if (!ApplyOption(option, value, options, error)) return false;
    }
    return true;
}

bool CheckCombinations(HostOptions* options, std::string* error) {
    const bool gallery = options->command == "gallery";
    if (options->frames == 0)
        options->frames = options->command == "bench" ? (options->switches.empty() ? 300 : 10) : gallery ? 30 : 1;
    if (gallery && !options->sizeGiven) {
        options->width = 320;
        options->height = 180;
    }
    if (gallery && options->output.empty()) return Refuse("gallery needs --output SHEET.png", error);
    if (options->copyBaseline && !options->baseline.empty())
        return Refuse("bench takes --baseline or --copy-baseline, not both", error);
    if (!options->loadOverlays.empty() && (options->copyBaseline || !options->baseline.empty()))
        return Refuse("bench --load-overlay measures one configuration, without a baseline", error);
    if (!options->switches.empty() &&
        (options->copyBaseline || !options->baseline.empty() || !options->loadOverlays.empty()))
        return Refuse("bench --switch-to measures one instance, without a baseline or an overlay load", error);
    if (options->framesGiven && options->duration > 0.0)
        return Refuse(options->command + " takes --frames or --duration, not both", error);
    if (options->command == "render" && options->output.empty())
        return Refuse("render needs --output OUT (a picture, a video or - for standard output)", error);
    return true;
}

}  // namespace

bool NeedsDisplay(CommandList commands, const std::string& command) {
    const CommandRow* row = FindCommand(commands, command);
    return row && row->needsDisplay;
}

bool ParseCommandLine(const std::vector<std::string>& arguments, CommandList commands, HostOptions* options,
                      std::string* error) {
    if (arguments.empty()) return Refuse("no command given", error);
    options->command = arguments[0];
    const CommandRow* command = FindCommand(commands, options->command);
    if (!command) return Refuse("unknown command \"" + options->command + "\"", error);
    // "COMMAND --help" anywhere asks for that command's help.
    for (const std::string& argument : arguments) {
        if (argument != "--help" && argument != "-h") continue;
        options->helpTopic = options->command;
        options->command = "help";
        return true;
    }
    if (options->command == "help") {
        if (arguments.size() > 2) return Refuse("help takes at most one command name", error);
        options->helpTopic = arguments.size() == 2 ? arguments[1] : "";
        return true;
    }
    if (static_cast<int>(arguments.size()) < 1 + command->positional)
        return Refuse(options->command + " needs " + command->arguments, error);
    if (options->command == "font-sheet")
        options->output = arguments[1];
    else
        options->library = arguments[1];
    if (options->command == "thumbnail") options->output = arguments[2];
    if (options->command == "validate") {
        // The validator reads its own options.
        options->commandArguments.assign(arguments.begin() + 2, arguments.end());
        return true;
    }
    return ParseOptions(arguments, 1 + command->positional, *command, options, error) &&
           CheckCombinations(options, error);
}
