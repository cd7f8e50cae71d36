// The parent's side of a group's report: what the child process wrote, read back, and
// how the process ended.
#pragma once

#include <string>
#include <vector>

struct Problem {
    std::string text;
    std::vector<std::string> notes;
};

struct CheckOutcome {
    std::string id;
    std::string title;
    std::vector<Problem> failures;
    std::vector<Problem> warnings;
    bool done = false;
};

struct GroupReport {
    std::string group;
    std::vector<CheckOutcome> checks;
    bool ended = false;                      // the child reached the group's end
    std::string lastStep;                    // what the child was doing last
    std::string sequence;                    // the call sequence under way ("mark" line), if any
    std::vector<std::string> sequenceSteps;  // its steps so far
    std::string processFailure;              // how the child died or hung; empty when it finished
    std::vector<std::string> outputTail;     // the child's last lines of output
};

// Reads the report lines into checks; the process fields are the runner's.
void ReadReportLines(const std::string& text, GroupReport* report);
