// vigil-host bench: time per frame of one configuration, optionally against a baseline.
#pragma once

#include "tools/hostcli/CommandLine.h"

// Returns the process exit status; errors go to standard error.
int RunBench(const HostOptions& options);
