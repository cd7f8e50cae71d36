#include "tools/validate/Summary.h"

#include <cstdio>
#include <string>

namespace {

struct Tally {
    int checks = 0, passed = 0, failed = 0, warnings = 0;
};

Tally Count(const GroupReport& report) {
    Tally tally;
    for (const CheckOutcome& check : report.checks) {
        ++tally.checks;
        if (!check.failures.empty())
            ++tally.failed;
        else if (check.done)
            ++tally.passed;
        if (!check.warnings.empty()) ++tally.warnings;
    }
    // The child's end counts as a check of its own when it crashed or hung.
    if (!report.processFailure.empty()) ++tally.checks, ++tally.failed;
    return tally;
}

std::string Reproduce(const ValidateOptions& options, const std::string& group) {
    return "vigil-host validate " + options.library + " --seed " + std::to_string(options.seed) + " --group " + group +
           (options.quick ? " --quick" : "") + (options.staleIds ? " --stale-ids" : "");
}

void PrintProblems(const char* kind, const GroupReport& report, const CheckOutcome& check,
                   const std::vector<Problem>& problems) {
    if (problems.empty()) return;
    std::printf("  %s %s / %s (%s)\n", kind, report.group.c_str(), check.id.c_str(), check.title.c_str());
    for (const Problem& problem : problems) {
        std::printf("      %s\n", problem.text.c_str());
        for (const std::string& note : problem.notes) std::printf("        %s\n", note.c_str());
    }
}

void PrintProcessFailure(const ValidateOptions& options, const GroupReport& report) {
    std::printf("  FAIL %s / process (the group's process runs to its end)\n", report.group.c_str());
    std::printf("      %s, seed %llu\n", report.processFailure.c_str(), static_cast<unsigned long long>(options.seed));
    if (!report.sequence.empty()) {
        std::printf("      in %s, whose calls were:\n", report.sequence.c_str());
        for (const std::string& step : report.sequenceSteps) std::printf("        %s\n", step.c_str());
    }
    for (const std::string& line : report.outputTail) std::printf("      | %s\n", line.c_str());
    for (const CheckOutcome& check : report.checks)
        if (!check.done) std::printf("      check %s did not finish\n", check.id.c_str());
}

}  // namespace

int PrintSummary(const ValidateOptions& options, const std::vector<GroupReport>& reports) {
    std::printf("\n  %-18s %7s %7s %7s %9s\n", "Group", "Checks", "Passed", "Failed", "Warnings");
    Tally total;
    for (const GroupReport& report : reports) {
        const Tally tally = Count(report);
        std::printf("  %-18s %7d %7d %7d %9d\n", report.group.c_str(), tally.checks, tally.passed, tally.failed,
                    tally.warnings);
        total.checks += tally.checks, total.passed += tally.passed, total.failed += tally.failed;
        total.warnings += tally.warnings;
    }
    std::printf("  %-18s %7d %7d %7d %9d\n", "total", total.checks, total.passed, total.failed, total.warnings);
    for (const GroupReport& report : reports) {
        const bool failed = !report.processFailure.empty() || Count(report).failed > 0;
        if (!failed && Count(report).warnings == 0) continue;
        std::printf("\n");
        if (!report.processFailure.empty()) PrintProcessFailure(options, report);
        for (const CheckOutcome& check : report.checks) PrintProblems("FAIL", report, check, check.failures);
        for (const CheckOutcome& check : report.checks) PrintProblems("warning", report, check, check.warnings);
        if (failed) std::printf("      reproduce: %s\n", Reproduce(options, report.group).c_str());
    }
    std::printf("\n%s: %d failed, %d warnings\n", total.failed ? "FAILED" : "PASSED", total.failed, total.warnings);
    return total.failed;
}
