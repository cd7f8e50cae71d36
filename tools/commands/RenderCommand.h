// vigil-host render: frames of the plug-in over an input picture, written as PNG files.
#pragma once

#include "tools/hostcli/CommandLine.h"

// Returns the process exit status; errors go to standard error.
int RunRender(const HostOptions& options);
