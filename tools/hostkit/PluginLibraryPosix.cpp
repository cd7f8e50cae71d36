#include <dlfcn.h>
#include <unistd.h>

#include "tools/hostkit/PluginLibrary.h"

PluginLibrary::~PluginLibrary() { Unload(); }

bool PluginLibrary::Load(const std::string& path, std::string* error) {
    Unload();
    // dlopen searches the system's folders for a bare name; a user means the current folder.
    const bool bare = path.find('/') == std::string::npos && access(path.c_str(), F_OK) == 0;
    handle = dlopen((bare ? "./" + path : path).c_str(), RTLD_NOW | RTLD_LOCAL);
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
