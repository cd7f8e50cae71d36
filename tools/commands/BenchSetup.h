// What the overlay-load benchmarks start from: the input picture, the library with its
// settings resolved, the index of the file parameter to load into, and a GL context.
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

struct OverlayBenchSetup {
    Picture input;
    PluginClient client;
    std::vector<ParameterSetting> settings;
    uint32_t fileIndex = 0;
    std::unique_ptr<GlContext> context;
};

// Fills `setup` for `options`; false with `error` when something cannot be had, such as a
// library without a file parameter.
bool OpenOverlayBench(const HostOptions& options, OverlayBenchSetup* setup, std::string* error);
