// The headless host's commands, found by name.
#pragma once

#include "tools/hostcli/CommandLine.h"

// Runs the command options.command names and returns the process exit status. A name
// that is no command is a usage error: the usage text goes to standard error.
int RunCommand(const HostOptions& options);
