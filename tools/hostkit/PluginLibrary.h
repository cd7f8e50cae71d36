// Loads an FFGL library and finds its two exports; the only way the headless host and
// the boundary tests reach a plug-in.
#pragma once

#include <string>

#include "abi/ffgl_abi.h"
#include "tools/hostkit/CallRoute.h"

class PluginLibrary : public CallRoute {
public:
    PluginLibrary() = default;
    ~PluginLibrary() override;
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // False with a readable reason when the file cannot be loaded or lacks plugMain.
    bool Load(const std::string& path, std::string* error);
    void Unload();
    // plugMain, called straight.
    uint64_t Call(uint32_t code, uint64_t input, void* instance, const std::string&) override {
        return plugMain(code, input, instance);
    }

    ffgl::PlugMainFunc plugMain = nullptr;
    ffgl::SetLogCallbackFunc setLogCallback = nullptr;  // may be null: the export is optional for hosts

private:
    void* handle = nullptr;
};
