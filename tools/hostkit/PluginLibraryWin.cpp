#include <windows.h>

#include "platform/WidePath.h"
#include "tools/hostkit/PluginLibrary.h"

namespace {

// The system's text for the last error, without its trailing line break; some texts
// name the file as "%1".
std::string LastErrorText(const std::string& path) {
    const DWORD code = GetLastError();
    char buffer[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, buffer,
                                  sizeof buffer, nullptr);
    while (length > 0 && (buffer[length - 1] == '\n' || buffer[length - 1] == '\r')) buffer[--length] = '\0';
    if (length == 0) return "error " + std::to_string(code);
    std::string text = buffer;
    if (const size_t insert = text.find("%1"); insert != std::string::npos) text.replace(insert, 2, path);
    return text;
}

// GetProcAddress hands back a generic function pointer; the export's real type is known.
template <typename Function>
Function Export(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

PluginLibrary::~PluginLibrary() { Unload(); }

bool PluginLibrary::Load(const std::string& path, std::string* error) {
    Unload();
    // The host's arguments are UTF-8; other bytes are read in the system code page.
    const std::wstring widePath = WidePathFromUtf8(path.c_str());
    HMODULE module = widePath.empty() ? LoadLibraryA(path.c_str()) : LoadLibraryW(widePath.c_str());
    if (!module) {
        *error = "cannot load " + path + ": " + LastErrorText(path);
        return false;
    }
    handle = module;
    plugMain = Export<ffgl::PlugMainFunc>(module, ffgl::kPlugMainSymbol);
    setLogCallback = Export<ffgl::SetLogCallbackFunc>(module, ffgl::kSetLogCallbackSymbol);
    if (!plugMain) {
        *error = path + " is not an FFGL library: it exports no plugMain";
        Unload();
        return false;
    }
    return true;
}

void PluginLibrary::Unload() {
    if (handle) FreeLibrary(static_cast<HMODULE>(handle));
    handle = nullptr;
    plugMain = nullptr;
    setLogCallback = nullptr;
}
