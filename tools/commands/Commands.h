// The headless host's commands, found by name.
#pragma once

#include "tools/hostcli/CommandLine.h"

// Runs the command options.command names and returns the process exit status.
int RunCommand(const HostOptions& options);
