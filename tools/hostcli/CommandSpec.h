// Every command of vigil-host: what it takes, which options it accepts, and its help.
#pragma once

#include <string>

struct CommandSpec {
    const char* name;
    const char* arguments;  // the positional arguments, as the usage names them
    int positional;         // how many
    const char* options;    // the options it accepts, each followed by a space
    bool needsDisplay;      // it draws, so it needs an X display
    const char* synopsis;   // its usage lines, options included
    const char* help;       // what it does and what its options mean
};

// Null for a name that is no command.
const CommandSpec* FindCommand(const std::string& name);
bool AcceptsOption(const CommandSpec& command, const std::string& option);

// Every command's synopsis, for `vigil-host help` and usage errors.
const char* UsageText();
// One command's synopsis and help.
std::string CommandHelp(const CommandSpec& command);
