// vigil-host validate on a plug-in with one planted fault at a time: each fault fails
// exactly the check meant for it, and the plain plug-in passes clean.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>

#include "tests/vigil_host/HostProcess.h"

namespace {

struct Planted {
    const char* fault;  // empty: the plain plug-in
    const char* check;  // "group / check" that must fail alone
};

void PrintTo(const Planted& planted, std::ostream* out) { *out << planted.fault; }

// Resident memory grows whatever the plug-in does under AddressSanitizer, which holds
// freed memory back, and on zink, whose caches fill for longer than a quick run's 200
// instances (a full run, flat there, would fail a real leak).
std::set<std::string> ExpectedWarnings() {
    const char* driver = std::getenv("GALLIUM_DRIVER");
    bool memoryGrows = driver && std::string(driver) == "zink";
#ifdef __SANITIZE_ADDRESS__
    memoryGrows = true;
#endif
    return memoryGrows ? std::set<std::string>{"life / memory"} : std::set<std::string>{};
}

// "group / check" of every report line that starts with the kind ("FAIL", "warning").
std::set<std::string> ReportedChecks(const std::string& report, const std::string& kind = "FAIL") {
    std::set<std::string> found;
    std::istringstream lines(report);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string first, group, slash, check;
        if (words >> first >> group >> slash >> check && first == kind && slash == "/")
            found.insert(group.append(" / ").append(check));
    }
    return found;
}

HostRun Validate(const char* fault) {
    setenv("VIGIL_PLANTED_FAULT", fault, 1);
    HostRun run = RunHost(
        {"validate", VIGIL_PLANTED_FAULT_PLUGIN, "--quick", "--seed", "7", "--seconds", "1", "--call-limit", "3"});
    unsetenv("VIGIL_PLANTED_FAULT");
    return run;
}

class PlantedFault : public ::testing::TestWithParam<Planted> {};

TEST_P(PlantedFault, FailsExactlyItsCheck) {
    const HostRun run = Validate(GetParam().fault);
    EXPECT_EQ(run.status, 1) << run.out << run.err;
    EXPECT_EQ(ReportedChecks(run.out), std::set<std::string>{GetParam().check}) << run.out;
    EXPECT_NE(run.out.find("reproduce: vigil-host validate"), std::string::npos) << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    Validate, PlantedFault,
    ::testing::Values(Planted{"unknown-code", "description / unknown-codes"},
                      Planted{"past-table", "description / past-table"}, Planted{"blend", "frames / gl-state"},
                      Planted{"texture-leak", "life / gl-names"}, Planted{"nan", "float-targets / finite-output"},
                      Planted{"hidden-error", "debug-output / errors"}, Planted{"crash", "parameters / process"},
                      Planted{"hang", "parameters / process"}),
    [](const auto& info) {
        std::string name = info.param.fault;
        name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
        return name;
    });

TEST(Validate, ThePlainPluginPassesClean) {
    const HostRun run = Validate("");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("PASSED: 0 failed"), std::string::npos) << run.out;
    EXPECT_EQ(ReportedChecks(run.out, "warning"), ExpectedWarnings()) << run.out;
    EXPECT_NE(run.out.find("seed 7"), std::string::npos) << run.out;
}

TEST(Validate, AFileThatIsNoLibraryIsRefusedOnce) {
    const HostRun run = RunHost({"validate", (ScratchDirectory("validate") / "missing.so").string(), "--quick"});
    EXPECT_EQ(run.status, 1) << run.out << run.err;
    EXPECT_NE(run.err.find("vigil-host: cannot load"), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find("Group"), std::string::npos) << "no report for a library that does not load";
}

}  // namespace
