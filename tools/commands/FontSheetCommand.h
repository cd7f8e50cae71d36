// vigil-host font-sheet: every glyph of the built-in font on one picture.
#pragma once

#include "tools/hostcli/CommandLine.h"

// Returns the process exit status; errors go to standard error.
int RunFontSheet(const HostOptions& options);
