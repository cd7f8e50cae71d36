// vigil-host gallery: a contact sheet of what each parameter value does, one frame per
// option element, on/off state and step of each number parameter, captioned.
#pragma once

#include "tools/hostcli/CommandLine.h"

// Returns the process exit status; errors go to standard error.
int RunGallery(const HostOptions& options);
