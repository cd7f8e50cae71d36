// Loads an FFGL library and finds its two exports; the only way the headless host and
// the boundary tests reach a plug-in.
#pragma once

#include <string>

#include "abi/ffgl_abi.h"

class PluginLibrary {
public:
    PluginLibrary() = default;
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // False with a readable reason when the file cannot be loaded or lacks plugMain.
    bool Load(const std::string& path, std::string* error);
    void Unload();

    ffgl::PlugMainFunc plugMain = nullptr;
    ffgl::SetLogCallbackFunc setLogCallback = nullptr;  // may be null: the export is optional for hosts

private:
    void* handle = nullptr;
};
