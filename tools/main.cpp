// vigil-host: a command-line FFGL host that loads any FFGL library and talks to it only
// through plugMain and SetLogCallback.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "tools/CommandLine.h"
#include "tools/Commands.h"
#include "tools/HostPlatform.h"

int Fail(const std::string& message) {
    std::fprintf(stderr, "vigil-host: %s\n", message.c_str());
    return kExitFailure;
}

namespace {

int Run(const HostOptions& options) {
    if (options.command == "info") return RunInfo(options);
    if (options.command == "thumbnail") return RunThumbnail(options);
    if (options.command == "render") return RunRender(options);
    if (options.command == "bench") return RunBench(options);
    return RunFontSheet(options);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments = CommandArguments(argc, argv);
    if (arguments.empty() || arguments[0] == "--help" || arguments[0] == "-h") {
        std::fputs(UsageText(), arguments.empty() ? stderr : stdout);
        return arguments.empty() ? kExitUsage : kExitOk;
    }
    HostOptions options;
    std::string error;
    if (!ParseCommandLine(arguments, &options, &error)) {
        std::fprintf(stderr, "vigil-host: %s\n%s", error.c_str(), UsageText());
        return kExitUsage;
    }
    if (NeedsDisplay(options.command) && !EnsureDisplay(argc, argv, &error)) return Fail(error);
    try {
        return Run(options);
    } catch (const std::exception& exception) {
        return Fail(exception.what());
    }
}
