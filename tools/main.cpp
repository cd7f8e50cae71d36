// vigil-host: a command-line FFGL host that loads any FFGL library and talks to it only
// through plugMain and SetLogCallback.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "tools/commands/Commands.h"
#include "tools/hostcli/CommandLine.h"
#include "tools/hostcli/ExitStatus.h"
#include "tools/hostkit/HostPlatform.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments = CommandArguments(argc, argv);
    if (arguments.empty() || arguments[0] == "--help" || arguments[0] == "-h") {
        std::fputs(UsageText(), arguments.empty() ? stderr : stdout);
        return arguments.empty() ? kExitUsage : kExitOk;
    }
    HostOptions options;
    std::string error;
    if (!ParseCommandLine(arguments, &options, &error)) return UsageError(error);
    if (NeedsDisplay(options.command) && !EnsureDisplay(argc, argv, &error)) return Fail(error);
    try {
        return RunCommand(options);
    } catch (const std::exception& exception) {
        return Fail(exception.what());
    }
}
