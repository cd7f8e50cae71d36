// vigil-host validate: checks any FFGL 2.1 library against what a host relies on.
#pragma once

#include "tools/hostcli/CommandLine.h"

int RunValidate(const HostOptions& options);
