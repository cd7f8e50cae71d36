// The validator's report: a table of the groups, then every failure and warning with
// how to reproduce it.
#pragma once

#include <vector>

#include "tools/validate/GroupReport.h"
#include "tools/validate/ValidateOptions.h"

// Prints the report on standard output; answers the number of failures.
int PrintSummary(const ValidateOptions& options, const std::vector<GroupReport>& reports);
