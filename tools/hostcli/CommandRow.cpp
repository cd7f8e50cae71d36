#include "tools/hostcli/CommandRow.h"

const CommandRow* FindCommand(CommandList commands, const std::string& name) {
    for (const CommandRow& command : commands)
        if (name == command.name) return &command;
    return nullptr;
}

bool AcceptsOption(const CommandRow& command, const std::string& option) {
    return std::string(command.options).find(option + " ") != std::string::npos;
}

std::string UsageText(CommandList commands) {
    std::string usage = "usage:\n";
    for (const CommandRow& command : commands) usage += "  " + std::string(command.synopsis) + "\n";
    usage += "  vigil-host --version\n";
    usage += "`vigil-host help COMMAND` or `vigil-host COMMAND --help` tells more about a command.\n";
    return usage;
}

std::string CommandHelp(const CommandRow& command) {
    return "usage: " + std::string(command.synopsis) + "\n\n" + command.help;
}
