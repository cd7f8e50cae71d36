// vigil-host thumbnail: the plug-in's preview picture, fetched through code 42, as a PNG.
#pragma once

#include "tools/hostcli/CommandLine.h"

// Returns the process exit status; errors go to standard error.
int RunThumbnail(const HostOptions& options);
