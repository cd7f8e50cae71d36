#include "host/Registration.h"

#include "host/Plugin.h"

namespace {

// Made on first use, so that a registration run by another file's static initialiser
// finds it ready whatever the order of initialisation.
PluginRegistration& Storage() {
    static PluginRegistration registration{};
    return registration;
}
PluginRegistration* published = nullptr;

// Copies up to width bytes, stopping after the terminator; the rest of the field is zero.
void CopyFixedField(char* field, size_t width, const char* text) {
    size_t i = 0;
    for (; text && i < width && text[i] != '\0'; ++i) field[i] = text[i];
    for (; i < width; ++i) field[i] = '\0';
}

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
    FillRegistration(Storage(), details);
    published = &Storage();
}

PluginRegistration* RegisteredPlugin() { return published; }

std::unique_ptr<CFFGLPlugin> MakeFromFactory(const PluginRegistration& registration) {
    if (!registration.factory) return nullptr;
    CFFGLPlugin* made = nullptr;
    const uint32_t result = registration.factory(&made);
    std::unique_ptr<CFFGLPlugin> owned(made);  // a factory may fail yet hand over an object
    if (result != 0) return nullptr;
    return owned;
}
