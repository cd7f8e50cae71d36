// vigil-host help [COMMAND]: the usage of every command, or one command's help.
#pragma once

#include "tools/hostcli/CommandLine.h"

// Returns the process exit status; an unknown topic is a usage error.
int RunHelp(const HostOptions& options);
