// vigil-host bench --load-overlay: what loading a file mid-show costs the frames around it.
#pragma once

#include "tools/hostcli/CommandLine.h"

// Returns the process exit status; errors go to standard error.
int RunOverlayLoadBench(const HostOptions& options);
