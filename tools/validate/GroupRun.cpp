#include "tools/validate/GroupRun.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/hostkit/ChildProcess.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> LastLines(const std::string& text, size_t count) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        if (lines.size() > count) lines.erase(lines.begin());
    }
    return lines;
}

// Waits for the child; true when it ended, false when its report stopped growing.
bool WaitWhileReporting(ChildProcess& child, const std::string& reportPath, int limitSeconds) {
    using Clock = std::chrono::steady_clock;
    uintmax_t lastSize = 0;
    Clock::time_point lastChange = Clock::now();
    while (!child.WaitFor(100)) {
        std::error_code error;
        const uintmax_t size = std::filesystem::file_size(reportPath, error);
        if (!error && size != lastSize) {
            lastSize = size;
            lastChange = Clock::now();
        }
        if (Clock::now() - lastChange > std::chrono::seconds(limitSeconds)) {
            child.Kill();
            child.WaitFor(60000);
            return false;
        }
    }
    return true;
}

}  // namespace

GroupReport RunGroup(const ValidateOptions& options, const std::string& group, const std::string& folder) {
    GroupReport report;
    report.group = group;
    const std::string reportPath = folder + "/" + group + ".report";
    const std::string outputPath = folder + "/" + group + ".out";
    std::ofstream(reportPath).close();
    ChildProcess child;
    ChildPipes pipes;
    pipes.outputFile = outputPath;
    pipes.killedWithHost = true;
    std::vector<std::string> arguments = ChildArguments(options, group, reportPath);
    arguments.insert(arguments.begin(), "vigil-host");
    std::string error;
    if (!child.StartSelf(arguments, pipes, &error)) {
        report.processFailure = error;
        return report;
    }
    const bool ended = WaitWhileReporting(child, reportPath, options.callLimitSeconds);
    ReadReportLines(ReadFile(reportPath), &report);
    const std::string where = report.lastStep.empty() ? "" : ", at step " + report.lastStep;
    if (!ended)
        report.processFailure = "hung: no return within " + std::to_string(options.callLimitSeconds) + " s" + where;
    else if (!child.End().exited)
        report.processFailure = child.EndText() + where;
    else if (child.End().code != 0 || !report.ended)
        report.processFailure = child.EndText() + " before the group's end" + where;
    if (!report.processFailure.empty()) report.outputTail = LastLines(ReadFile(outputPath), 6);
    return report;
}
