#include "tools/hostcli/ExitStatus.h"

#include <cstdio>

int Fail(const std::string& message) {
    std::fprintf(stderr, "vigil-host: %s\n", message.c_str());
    return kExitFailure;
}

int UsageError(const std::string& message) {
    std::fprintf(stderr, "vigil-host: %s\n", message.c_str());
    return kExitUsage;
}
