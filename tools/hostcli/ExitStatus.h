// How vigil-host ends: its exit statuses and the two kinds of error it reports on
// standard error.
#pragma once

#include <string>

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
// A damaged input: the output holds every frame that could be decoded, fewer than expected.
constexpr int kExitDamagedInput = 3;

// Prints "vigil-host: message" on standard error and answers kExitFailure.
int Fail(const std::string& message);

// Prints "vigil-host: message" on standard error and answers kExitUsage; the command table,
// which runs the commands, follows it with the usage text.
int UsageError(const std::string& message);
