#include "tools/hostkit/FileLoadWait.h"

#include <algorithm>
#include <chrono>

namespace {

bool StartsWith(const std::string& line, const char* start) { return line.rfind(start, 0) == 0; }

// How many lines since `first` report a finished load.
size_t FinishedLoads(size_t first, const FileLoadLines& report) {
    const std::vector<std::string>& lines = PluginClient::LoggedLines();
    return static_cast<size_t>(std::count_if(
        lines.begin() + static_cast<std::ptrdiff_t>(first), lines.end(),
        [&](const std::string& line) { return StartsWith(line, report.loaded) || StartsWith(line, report.failed); }));
}

// The first line since `first` that reports a failed load, or "".
std::string FirstFailure(size_t first, const FileLoadLines& report) {
    const std::vector<std::string>& lines = PluginClient::LoggedLines();
    for (size_t i = first; i < lines.size(); ++i)
        if (StartsWith(lines[i], report.failed)) return lines[i];
    return "";
}

// A line start as a message quotes it: "Loaded", without the space that follows.
std::string Quoted(const char* start) {
    std::string text(start);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return "\"" + text + "\"";
}

bool FilesLoaded(const FileLoadWait& wait, const std::vector<FileParameter>& files, const FileLoadLines& lines,
                 std::string* error) {
    PluginClient& client = wait.client;
    // A file the plug-in gave up on reads back empty; with one file, a failure line is its.
    if (files.empty()) return true;
    const std::string failure = FirstFailure(wait.firstLine, lines);
    std::string failed;
    for (const FileParameter& file : files)
        if (client.ParameterText(wait.instance, file.index).empty() || (files.size() == 1 && !failure.empty()))
            failed += (failed.empty() ? "\"" : ", \"") + file.path + "\"";
    if (failed.empty() && failure.empty()) return true;
    *error = client.FileName() + ": cannot load " + (failed.empty() ? "a file the settings name" : failed) +
             (failure.empty() ? ": the plug-in could not use it" : ": the plug-in logged \"" + failure + "\"");
    return false;
}

}  // namespace

bool AwaitFileLoads(const FileLoadWait& wait, const std::vector<FileParameter>& files, const FileLoadLines& lines,
                    double limitSeconds, std::string* error) {
    PluginClient& client = wait.client;
    const auto start = std::chrono::steady_clock::now();
    auto settled = [&] {
        if (FinishedLoads(wait.firstLine, lines) >= files.size()) return true;
        return std::any_of(files.begin(), files.end(), [&](const FileParameter& file) {
            return client.ParameterText(wait.instance, file.index) != file.path;
        });
    };
    while (!files.empty() && !settled()) {
        if (std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() > limitSeconds) {
            *error = client.FileName() + ": \"" + files.front().path + "\" had not finished loading after " +
                     std::to_string(static_cast<int>(limitSeconds)) + " s (no " + Quoted(lines.loaded) + " or " +
                     Quoted(lines.failed) + " line in the plug-in's log)";
            return false;
        }
        if (!wait.renderFrame(error)) return false;
    }
    return FilesLoaded(wait, files, lines, error);
}
