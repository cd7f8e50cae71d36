// vigil-host's command table: every command with its arguments, options, help and the
// function that runs it.
#pragma once

#include <string>

#include "tools/hostcli/CommandLine.h"
#include "tools/hostcli/CommandRow.h"

CommandList Commands();

// Runs the command options.command names and returns the process exit status. A name
// that is no command, or a command's usage error, is followed by the usage text on
// standard error.
int RunCommand(const HostOptions& options);

// Every command's synopsis.
const char* UsageText();

// Prints "vigil-host: message" and the usage text on standard error and answers kExitUsage.
int CommandLineError(const std::string& message);
