#include "host/Registration.h"

#include "effect/ZaqVigilomatronic.h"

namespace {

PluginRegistration registration;
PluginRegistration* published = nullptr;

// Copies up to width bytes, stopping after the terminator; the rest of the field is zero.
void CopyFixedField(char* field, size_t width, const char* text) {
    size_t i = 0;
    for (; text && i < width && text[i] != '\0'; ++i) field[i] = text[i];
    for (; i < width; ++i) field[i] = '\0';
}

constexpr const char* kDescription = "ZAQ OLM surveillance HUD \xE2\x80\x94 simplified 10-param version";
constexpr const char* kAbout = "Quillfen Studios";

// Runs at library load, before the host can call anything.
const bool registered = [] {
    RegisterPlugin({CreateInstance, "ZQ01", "ZAQ Vigilomatronic", 2, 1, 2, 1, ffgl::kPluginTypeEffect, kDescription,
                    kAbout, nullptr, nullptr});
    return true;
}();

}  // namespace

void FillRegistration(PluginRegistration& target, const RegistrationDetails& details) {
    target.about = details.about ? details.about : "";
    target.description = details.description ? details.description : "";
    target.factory = details.factory;
    target.initialiseHook = details.initialiseHook;
    target.deinitialiseHook = details.deinitialiseHook;

    ffgl::PluginInfoRecord& info = target.records.info;
    info.apiMajorVersion = details.apiMajor;
    info.apiMinorVersion = details.apiMinor;
    CopyFixedField(info.name, sizeof info.name, details.name);
    CopyFixedField(info.identifier, sizeof info.identifier, details.identifier);
    info.pluginType = details.pluginType;

    ffgl::ExtendedInfoRecord& extended = target.records.extendedInfo;
    extended.description = target.description.c_str();
    extended.about = target.about.c_str();
    extended.pluginMajorVersion = details.pluginMajor;
    extended.pluginMinorVersion = details.pluginMinor;
    extended.extendedDataSize = 0;
    extended.padding = 0;
    extended.extendedData = nullptr;
}

void RegisterPlugin(const RegistrationDetails& details) {
    FillRegistration(registration, details);
    published = &registration;
}

PluginRegistration* RegisteredPlugin() { return published; }

uint32_t CreateInstance(CFFGLPlugin** instance) {
    try {
        *instance = new ZaqVigilomatronic();
        return 0;
    } catch (...) {
        *instance = nullptr;
        return ffgl::kFailure32;
    }
}

std::unique_ptr<CFFGLPlugin> MakeFromFactory(const PluginRegistration& registration) {
    if (!registration.factory) return nullptr;
    CFFGLPlugin* made = nullptr;
    const uint32_t result = registration.factory(&made);
    std::unique_ptr<CFFGLPlugin> owned(made);  // a factory may fail yet hand over an object
    if (result != 0) return nullptr;
    return owned;
}
