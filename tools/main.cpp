// vigil-host: a command-line FFGL host that loads any FFGL library and talks to it only
// through plugMain and SetLogCallback.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "VigilVersion.h"
#include "tools/commands/CommandTable.h"
#include "tools/hostcli/CommandLine.h"
#include "tools/hostcli/ExitStatus.h"
#include "tools/hostkit/HostPlatform.h"
#include "tools/hostkit/OwnDisplay.h"
#include "tools/hostkit/StopSignals.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments = CommandArguments(argc, argv);
    if (arguments.empty() || arguments[0] == "--help" || arguments[0] == "-h") {
        std::fputs(UsageText(), arguments.empty() ? stderr : stdout);
        return arguments.empty() ? kExitUsage : kExitOk;
    }
    if (arguments[0] == "--version") {
        std::printf("vigil-host %s\n", VIGIL_VERSION);
        return kExitOk;
    }
    HostOptions options;
    std::string error;
    if (!ParseCommandLine(arguments, Commands(), &options, &error)) return CommandLineError(error);
    IgnoreWriteSignals();
    int status = kExitFailure;
    {
        // Declared before the command runs, so that its Xvfb outlives every GL context.
        OwnDisplay display;
        if (NeedsDisplay(Commands(), options.command) && !display.Ensure(&error)) return Fail(error);
        try {
            status = RunCommand(options);
        } catch (const std::exception& exception) {
            status = Fail(exception.what());
        }
    }
    // A render stopped by a signal has closed its output and its display; now it ends by it.
    if (StopSignal()) EndByStopSignal(StopSignal());
    return status;
}
