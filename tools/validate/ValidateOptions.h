// The validator's command line: which library, which seed, how long, which groups.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ValidateOptions {
    std::string library;
    uint64_t seed = 0;
    bool seedGiven = false;
    double seconds = 0.0;  // random sequences; 0: the mode's default
    bool quick = false;
    bool staleIds = false;      // random sequences may call destroyed instances too
    std::string group;          // only this group; empty: all
    int callLimitSeconds = 20;  // a call that takes longer is a hang
    // Set only in the child process that runs one group and writes its report.
    std::string childGroup;
    std::string reportPath;

    int Cycles() const { return quick ? 200 : 10000; }
    double SequenceSeconds() const { return seconds > 0.0 ? seconds : quick ? 10.0 : 60.0; }
};

// Parses the options after LIBRARY; false with a message for anything unknown.
bool ParseValidateOptions(const std::vector<std::string>& arguments, ValidateOptions* options, std::string* error);

// The arguments that make vigil-host run one group in a child process.
std::vector<std::string> ChildArguments(const ValidateOptions& options, const std::string& group,
                                        const std::string& reportPath);
