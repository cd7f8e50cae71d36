// vigil-host info: everything a host learns about a library before making an instance.
#pragma once

#include "tools/hostcli/CommandLine.h"

// Returns the process exit status; errors go to standard error.
int RunInfo(const HostOptions& options);
