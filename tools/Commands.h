// The headless host's commands; each returns the process exit status and reports its
// errors on standard error.
#pragma once

#include "tools/CommandLine.h"

int RunInfo(const HostOptions& options);
int RunThumbnail(const HostOptions& options);
int RunRender(const HostOptions& options);
int RunBench(const HostOptions& options);
int RunFontSheet(const HostOptions& options);

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// Prints "vigil-host: message" on standard error and answers kExitFailure.
int Fail(const std::string& message);
