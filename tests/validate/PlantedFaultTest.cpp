// vigil-host validate on a plug-in with one planted fault at a time: each fault fails
// exactly the check meant for it, and the plain plug-in passes clean.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>

#include "tests/vigil_host/HostProcess.h"

namespace {

struct Planted {
    const char* fault;  // empty: the plain plug-in
    const char* check;  // "group / check" that must fail alone
};

// Every "FAIL group / check" line of the report.
std::set<std::string> FailedChecks(const std::string& report) {
    std::set<std::string> failed;
    const std::regex line(R"(FAIL ([\w-]+ / [\w-]+))");
    for (auto match = std::sregex_iterator(report.begin(), report.end(), line); match != std::sregex_iterator();
         ++match)
        failed.insert((*match)[1]);
    return failed;
}

HostRun Validate(const char* fault) {
    setenv("VIGIL_PLANTED_FAULT", fault, 1);
    const HostRun run = RunHost(
        {"validate", VIGIL_PLANTED_FAULT_PLUGIN, "--quick", "--seed", "7", "--seconds", "1", "--call-limit", "3"});
    unsetenv("VIGIL_PLANTED_FAULT");
    return run;
}

class PlantedFault : public ::testing::TestWithParam<Planted> {};

TEST_P(PlantedFault, FailsExactlyItsCheck) {
    const HostRun run = Validate(GetParam().fault);
    EXPECT_EQ(run.status, 1) << run.out << run.err;
    EXPECT_EQ(FailedChecks(run.out), std::set<std::string>{GetParam().check}) << run.out;
    EXPECT_NE(run.out.find("reproduce: vigil-host validate"), std::string::npos) << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    Validate, PlantedFault,
    ::testing::Values(Planted{"unknown-code", "description / unknown-codes"},
                      Planted{"past-table", "description / past-table"}, Planted{"blend", "frames / gl-state"},
                      Planted{"texture-leak", "life / gl-names"}, Planted{"nan", "float-targets / finite-output"},
                      Planted{"crash", "parameters / process"}, Planted{"hang", "parameters / process"}),
    [](const auto& info) {
        std::string name = info.param.fault;
        name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
        return name;
    });

TEST(Validate, ThePlainPluginPassesClean) {
    const HostRun run = Validate("");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("PASSED: 0 failed, 0 warnings"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("seed 7"), std::string::npos) << run.out;
}

TEST(Validate, AFileThatIsNoLibraryIsRefusedOnce) {
    const HostRun run = RunHost({"validate", (ScratchDirectory("validate") / "missing.so").string(), "--quick"});
    EXPECT_EQ(run.status, 1) << run.out << run.err;
    EXPECT_NE(run.err.find("vigil-host: cannot load"), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find("Group"), std::string::npos) << "no report for a library that does not load";
}

}  // namespace
