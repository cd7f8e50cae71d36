#include "tools/validate/ValidateCommand.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "tools/hostcli/ExitStatus.h"
#include "tools/validate/GroupRun.h"
#include "tools/validate/Groups.h"
#include "tools/validate/Summary.h"

namespace {

// Each group draws its own numbers from the run's seed (FNV-1a of the group's name).
uint64_t GroupSeed(uint64_t seed, const char* name) {
    uint64_t hash = 0xCBF29CE484222325ull;
    for (const char* c = name; *c; ++c) hash = (hash ^ static_cast<uint8_t>(*c)) * 0x100000001B3ull;
    return seed ^ hash;
}

uint64_t FreshSeed() {
    return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) % 1000000007ull;
}

std::filesystem::path RunFolder() {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    auto folder = std::filesystem::temp_directory_path() / ("vigil-validate-" + std::to_string(stamp));
    std::filesystem::create_directories(folder);
    return folder;
}

// The child: one group in this process, its findings written to the report file.
int RunChild(const ValidateOptions& options) {
    const Group* group = FindGroup(options.childGroup);
    // Binary: Windows would end the lines with CR LF.
    std::FILE* report = std::fopen(options.reportPath.c_str(), "wb");
    if (!group || !report) return Fail("cannot run group " + options.childGroup + " into " + options.reportPath);
    Findings findings(report);
    Subject subject(findings);
    std::string error;
    if (!subject.Open(options.library, &error)) {
        Check(findings, "load", "the library loads").Fail(error);
    } else {
        // Beside the report, so the parent removes it even when the plug-in kills this process.
        const std::filesystem::path scratch = options.reportPath + ".files";
        std::error_code ignored;
        std::filesystem::create_directories(scratch, ignored);
        GroupContext context{subject, findings, options, Random(GroupSeed(options.seed, group->name)),
                             scratch.string()};
        group->run(context);
        std::filesystem::remove_all(scratch, ignored);
    }
    std::fputs("end\n", report);
    std::fclose(report);
    return kExitOk;
}

// Why the child could not load the library at all; empty when it could.
std::string LoadFailure(const GroupReport& report) {
    for (const CheckOutcome& check : report.checks)
        if (check.id == "load" && !check.failures.empty()) return check.failures.front().text;
    return "";
}

}  // namespace

int RunValidate(const HostOptions& hostOptions) {
    ValidateOptions options;
    options.library = hostOptions.library;
    std::string error;
    if (!ParseValidateOptions(hostOptions.commandArguments, &options, &error)) return UsageError(error);
    if (!options.childGroup.empty()) return RunChild(options);
    if (!options.group.empty() && !FindGroup(options.group))
        return UsageError("no group named \"" + options.group + "\"");
    if (!options.seedGiven) options.seed = FreshSeed();

    std::printf("Validating %s, seed %llu%s\n", options.library.c_str(), static_cast<unsigned long long>(options.seed),
                options.quick ? ", quick" : "");
    std::fflush(stdout);
    const std::filesystem::path folder = RunFolder();
    std::vector<GroupReport> reports;
    std::error_code ignored;
    for (const Group& group : Groups()) {
        if (!options.group.empty() && options.group != group.name) continue;
        const auto start = std::chrono::steady_clock::now();
        reports.push_back(RunGroup(options, group.name, folder.string()));
        // Loading is the child's first step: a library that does not load is no plug-in to check.
        if (const std::string failure = LoadFailure(reports.back()); !failure.empty()) {
            std::filesystem::remove_all(folder, ignored);
            return Fail(failure);
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::fprintf(stderr, "  %-18s %6.1f s%s\n", group.name, seconds,
                     reports.back().processFailure.empty() ? "" : "  (the process did not finish)");
    }
    std::filesystem::remove_all(folder, ignored);
    return PrintSummary(options, reports) > 0 ? kExitFailure : kExitOk;
}
