// What every bench run starts from: the input picture, the library with its parameters
// and `--set` settings resolved, and a GL context, made in two steps so that a run can
// resolve settings of its own in between.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tools/hostcli/CommandLine.h"
#include "tools/hostcli/ParameterSettings.h"
#include "tools/hostcli/Picture.h"
#include "tools/hostkit/GlContext.h"
#include "tools/hostkit/PluginClient.h"

struct BenchSetup {
    Picture input;
    PluginClient client;
    std::vector<ParameterInfo> parameters;
    std::vector<ParameterSetting> settings;
    std::unique_ptr<GlContext> context;
};

// Reads the input, opens the library and resolves `--set`.
bool OpenBenchLibrary(const HostOptions& options, BenchSetup* setup, std::string* error);
// Makes the context the run draws in.
bool MakeBenchContext(const HostOptions& options, BenchSetup* setup, std::string* error);
// The index of the library's file parameter, for the overlay-load runs.
bool FindFileParameter(const BenchSetup& setup, uint32_t* index, std::string* error);
