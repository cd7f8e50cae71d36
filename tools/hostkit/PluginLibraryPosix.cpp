#include <dlfcn.h>

#include "tools/hostkit/PluginLibrary.h"

PluginLibrary::~PluginLibrary() { Unload(); }

bool PluginLibrary::Load(const std::string& path, std::string* error) {
    Unload();
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        *error = "cannot load " + path + ": " + (reason ? reason : "unknown error");
        return false;
    }
    plugMain = reinterpret_cast<ffgl::PlugMainFunc>(dlsym(handle, ffgl::kPlugMainSymbol));
    setLogCallback = reinterpret_cast<ffgl::SetLogCallbackFunc>(dlsym(handle, ffgl::kSetLogCallbackSymbol));
    if (!plugMain) {
        *error = path + " is not an FFGL library: it exports no plugMain";
        Unload();
        return false;
    }
    return true;
}

void PluginLibrary::Unload() {
    if (handle) dlclose(handle);
    handle = nullptr;
    plugMain = nullptr;
    setLogCallback = nullptr;
}
