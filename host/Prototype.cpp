#include "host/Prototype.h"

#include <memory>

#include "host/Plugin.h"
#include "host/Registration.h"

namespace {
std::unique_ptr<CFFGLPlugin> parameterPrototype;
}  // namespace

uint32_t EnsurePrototype() {
    const PluginRegistration* registration = RegisteredPlugin();
    if (!registration) return ffgl::kFailure32;
    if (registration->initialiseHook) {
        const uint32_t result = registration->initialiseHook();
        if (result != 0) return result;
    }
    if (parameterPrototype) return 0;
    parameterPrototype = MakeFromFactory(*registration);
    return parameterPrototype ? 0 : ffgl::kFailure32;
}

CFFGLPlugin* Prototype() {
    if (!parameterPrototype) EnsurePrototype();
    return parameterPrototype.get();
}

uint32_t ReleasePrototype() {
    const PluginRegistration* registration = RegisteredPlugin();
    if (!registration) return ffgl::kFailure32;
    parameterPrototype.reset();
    if (registration->deinitialiseHook) registration->deinitialiseHook();
    return 0;
}
