// Runs one group of checks in a child process of vigil-host and reads back its report.
#pragma once

#include <string>

#include "tools/validate/GroupReport.h"
#include "tools/validate/ValidateOptions.h"

// The child writes its report and output into files of this folder. A child that
// reports nothing new for options.callLimitSeconds is hung inside the plug-in.
GroupReport RunGroup(const ValidateOptions& options, const std::string& group, const std::string& folder);
