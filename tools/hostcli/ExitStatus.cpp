#include "tools/hostcli/ExitStatus.h"

#include <cstdio>

#include "tools/hostcli/CommandTable.h"

int Fail(const std::string& message) {
    std::fprintf(stderr, "vigil-host: %s\n", message.c_str());
    return kExitFailure;
}

int UsageError(const std::string& message) {
    std::fprintf(stderr, "vigil-host: %s\n%s", message.c_str(), UsageText());
    return kExitUsage;
}
