// A plug-in that counts what the entry point does to it, registered in place of the
// effect for in-process tests of the dispatcher.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/Plugin.h"
#include "host/Registration.h"

extern "C" uint64_t plugMain(uint32_t functionCode, uint64_t input, void* instance);

struct ProbeCounts {
    int constructed = 0, destroyed = 0, opened = 0, closed = 0, setUps = 0, tearDowns = 0;
    uint32_t setUpResult = 0;
    bool factoryFails = false;
    uint32_t initialiseResult = 0;
    int deinitialised = 0;
    std::vector<std::string> applied;  // "index=value" in call order
};

inline ProbeCounts probe;

class ProbePlugin : public CFFGLPlugin {
public:
    ProbePlugin() : CFFGLPlugin(false) {
        ++probe.constructed;
        DeclareParameter(0, "Level", ffgl::kTypeStandard, 0.5f);
        std::vector<std::string> extensions = {"png"};
        DeclareFileParameter(1, "Picture", extensions, "a.png");
        SetMaximumInputCount(1);
    }
    ~ProbePlugin() override { ++probe.destroyed; }
    ProbePlugin(const ProbePlugin&) = delete;
    ProbePlugin& operator=(const ProbePlugin&) = delete;

    uint32_t SetUpGraphics(const ffgl::ViewportRecord*) override { return ++probe.setUps, probe.setUpResult; }
    uint32_t TearDownGraphics() override { return ++probe.tearDowns, 0; }
    uint32_t OpenConnection() override { return ++probe.opened, 0; }
    uint32_t CloseConnection() override { return ++probe.closed, 0; }
    uint32_t RenderFrame(const ffgl::ProcessingRecord*) override { return 0; }
    uint32_t ApplyParameterValue(uint32_t index, float value) override {
        if (value < 0) throw std::runtime_error("refused");
        probe.applied.push_back(std::to_string(index) + "=" + std::to_string(value));
        return 0;
    }
    uint32_t ApplyParameterText(uint32_t index, const char* text) override {
        probe.applied.push_back(std::to_string(index) + "=" + text);
        return 0;
    }
    const char* QueryShortName() override { throw std::runtime_error("no name"); }
};

inline uint32_t MakeProbe(CFFGLPlugin** instance) {
    *instance = probe.factoryFails ? nullptr : new ProbePlugin();
    return probe.factoryFails ? ffgl::kFailure32 : 0;
}

inline void RegisterProbe() {
    RegisterPlugin({MakeProbe, "PR", "Probe", 2, 1, 1, 0, ffgl::kPluginTypeEffect, "probe", "tests",
                    [] { return probe.initialiseResult; }, [] { return uint32_t(++probe.deinitialised); }});
}
