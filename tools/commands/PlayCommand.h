// vigil-host play: the effect live in a window, with keys to change its parameters.
#pragma once

#include "tools/hostcli/CommandLine.h"

// Returns the process exit status; errors go to standard error.
int RunPlay(const HostOptions& options);
