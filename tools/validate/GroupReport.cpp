#include "tools/validate/GroupReport.h"

#include <sstream>

namespace {

// Steps of one sequence kept for the replay list; sequences are shorter than this.
constexpr size_t kKeptSteps = 1000;

CheckOutcome* Find(GroupReport* report, const std::string& id) {
    for (CheckOutcome& check : report->checks)
        if (check.id == id) return &check;
    report->checks.push_back(CheckOutcome{id, id, {}, {}, false});
    return &report->checks.back();
}

// "ID TEXT" after the line's kind.
void SplitIdAndText(const std::string& rest, std::string* id, std::string* text) {
    const size_t space = rest.find(' ');
    *id = rest.substr(0, space);
    *text = space == std::string::npos ? std::string() : rest.substr(space + 1);
}

}  // namespace

void ReadReportLines(const std::string& text, GroupReport* report) {
    std::istringstream lines(text);
    std::string line;
    Problem* lastProblem = nullptr;
    while (std::getline(lines, line)) {
        const size_t space = line.find(' ');
        const std::string kind = line.substr(0, space);
        const std::string rest = space == std::string::npos ? std::string() : line.substr(space + 1);
        std::string id, body;
        SplitIdAndText(rest, &id, &body);
        // Notes follow their problem at once; anything else may move the problems.
        if (kind != "note") lastProblem = nullptr;
        if (kind == "step") {
            report->lastStep = rest;
            if (report->sequenceSteps.size() < kKeptSteps) report->sequenceSteps.push_back(rest);
        } else if (kind == "mark") {
            report->sequence = rest;
            report->sequenceSteps.clear();
        } else if (kind == "check") {
            Find(report, id)->title = body;
        } else if (kind == "fail" || kind == "warn") {
            CheckOutcome* check = Find(report, id);
            auto& problems = kind == "fail" ? check->failures : check->warnings;
            problems.push_back(Problem{body, {}});
            lastProblem = &problems.back();
        } else if (kind == "note" && lastProblem) {
            lastProblem->notes.push_back(body);
        } else if (kind == "done") {
            Find(report, id)->done = true;
        } else if (kind == "end") {
            report->ended = true;
        }
    }
}
