// vigil-host bench --switch-to: what creating an instance costs, and what each change of
// settings costs the frames that follow it, as a host at 60 frames a second sees them.
#pragma once

#include "tools/hostcli/CommandLine.h"

// Returns the process exit status; errors go to standard error.
int RunSettingSwitchBench(const HostOptions& options);
