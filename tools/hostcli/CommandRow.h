// One row of vigil-host's command table: what a command takes, which options it accepts,
// its help and the function that runs it. The table itself sits with the commands.
#pragma once

#include <span>
#include <string>

struct HostOptions;

struct CommandRow {
    const char* name;
    const char* arguments;                   // the positional arguments, as the usage names them
    int positional;                          // how many
    const char* options;                     // the options it accepts, each followed by a space
    bool needsDisplay;                       // it draws, so it needs an X display
    const char* synopsis;                    // its usage lines, options included
    const char* help;                        // what it does and what its options mean
    int (*run)(const HostOptions& options);  // returns the process exit status
};

using CommandList = std::span<const CommandRow>;

// Null for a name that is no command.
const CommandRow* FindCommand(CommandList commands, const std::string& name);
bool AcceptsOption(const CommandRow& command, const std::string& option);

// Every command's synopsis, for `vigil-host help` and usage errors.
std::string UsageText(CommandList commands);
// One command's synopsis and help.
std::string CommandHelp(const CommandRow& command);
