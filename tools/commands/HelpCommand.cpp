#include "tools/commands/HelpCommand.h"

#include <cstdio>

#include "tools/hostcli/CommandTable.h"
#include "tools/hostcli/ExitStatus.h"

int RunHelp(const HostOptions& options) {
    if (options.helpTopic.empty()) {
        std::fputs(UsageText(), stdout);
        return kExitOk;
    }
    const CommandSpec* command = FindCommand(options.helpTopic);
    if (!command) return UsageError("unknown command \"" + options.helpTopic + "\"");
    std::fputs(CommandHelp(*command).c_str(), stdout);
    return kExitOk;
}
