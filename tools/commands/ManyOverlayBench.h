// vigil-host bench with several --load-overlay files: a composition of many instances,
// each given a file of its own in the same frame. What the loads cost the host's frames,
// how soon each picture shows, how many threads they take, and how long destroying an
// instance in the middle of them takes.
#pragma once

#include "tools/hostcli/CommandLine.h"

// Returns the process exit status; errors go to standard error.
int RunManyOverlayBench(const HostOptions& options);
