// The plug-in under validation, reached only through its exports. Every call is first
// written to the report as a step, so a crash or hang names the call that caused it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "abi/ffgl_abi.h"
#include "tools/hostkit/CallRoute.h"
#include "tools/hostkit/InstanceCalls.h"
#include "tools/hostkit/PluginClient.h"
#include "tools/validate/CallContract.h"
#include "tools/validate/Findings.h"

// Told as each plugMain call begins and ends, for checks that watch what happens inside one.
class CallWatcher {
public:
    virtual ~CallWatcher() = default;
    virtual void Enter(const std::string& call) = 0;
    virtual void Leave() = 0;
};

class Subject : public CallRoute {
public:
    explicit Subject(Findings& findings) : findings(findings) {}

    bool Open(const std::string& path, std::string* error);
    Findings& Report() { return findings; }

    // One plugMain call; `what` says what the call is for.
    uint64_t Call(uint32_t code, uint64_t input, void* instance, const std::string& what) override;
    // Every call from now on is shown to the watcher; null for none.
    void Watch(CallWatcher* callWatcher) { watcher = callWatcher; }
    template <typename Record>
    uint64_t CallWith(uint32_t code, Record* record, void* instance, const std::string& what) {
        return Call(code, ffgl::PointerBits(record), instance, what);
    }

    // The parameter table as the global queries tell it; read once.
    const std::vector<ParameterInfo>& Parameters();
    std::string ParameterText(uint32_t index);  // "parameter 4 \"Scan Line\""

    // Instance calls; they need a GL context current. Create answers null on refusal.
    void* Create(int width, int height);
    uint64_t Destroy(void* instance);
    uint64_t SetValue(void* instance, uint32_t index, float value, const std::string& shown);
    uint64_t SetText(void* instance, uint32_t index, const char* text, const std::string& shown);

private:
    Findings& findings;
    PluginClient client;
    std::vector<ParameterInfo> parameters;
    bool parametersRead = false;
    CallWatcher* watcher = nullptr;
};

// A float as the report shows it: nan, inf, -0, 1e-40, ...
std::string ValueText(float value);

inline bool IsFailure(uint64_t answer) { return static_cast<uint32_t>(answer) == ffgl::kFailure32; }
