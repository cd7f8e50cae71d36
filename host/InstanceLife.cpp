#include "host/InstanceLife.h"

#include <memory>

#include "host/Answers.h"
#include "host/GraphicsLibrary.h"
#include "host/LiveInstances.h"
#include "host/Plugin.h"
#include "host/Prototype.h"
#include "host/Registration.h"

namespace {

// Each parameter's default reaches the new instance through its own setters. Indices are
// looked up, not positions; a missing one gets what the default query answers (0xFFFFFFFF).
bool ApplyDefaults(CFFGLPlugin& instance, const CFFGLPlugin& prototype) {
    for (uint32_t i = 0; i < prototype.ParameterCount(); ++i) {
        const ParameterDefault fallback = prototype.ParameterDefaultOf(i);
        const uint32_t result =
            fallback.isText
                ? instance.ApplyParameterText(i, fallback.text)
                : instance.ApplyParameterValue(i, fallback.found ? fallback.value : ffgl::BitsFloat(ffgl::kFailure));
        if (result == ffgl::kFailure32) return false;
    }
    return true;
}

bool SetUpGraphicsOrTearDown(CFFGLPlugin& instance, const ffgl::ViewportRecord* viewport) {
    uint32_t result = ffgl::kFailure32;
    try {
        result = instance.SetUpGraphics(viewport);
    } catch (...) {
        result = ffgl::kFailure32;
    }
    if (result == 0) return true;
    instance.TearDownGraphics();
    return false;
}

}  // namespace

uint64_t CreateHostInstance(const ffgl::ViewportRecord* viewport) {
    const PluginRegistration* registration = RegisteredPlugin();
    if (!registration || !viewport) return answer::Failure();
    if (EnsurePrototype() != 0) return answer::Failure();
    const CFFGLPlugin* prototype = Prototype();
    if (!prototype) return answer::Failure();

    std::unique_ptr<CFFGLPlugin> instance = MakeFromFactory(*registration);  // destroyed on every failure below
    if (!instance) return answer::Failure();

    if (!ApplyDefaults(*instance, *prototype)) return answer::Failure();
    if (!EnsureGraphicsLibrary()) return answer::Failure();
    if (!SetUpGraphicsOrTearDown(*instance, viewport)) return answer::Failure();
    if (!RegisterLiveInstance(instance.get())) {
        instance->TearDownGraphics();
        return answer::Failure();
    }
    return answer::Pointer(instance.release());
}

uint64_t DestroyHostInstance(CFFGLPlugin* instance) {
    ForgetLiveInstance(instance);
    std::unique_ptr<CFFGLPlugin> owned(instance);
    if (owned->connected) {
        owned->CloseConnection();
        owned->connected = false;
    }
    owned->TearDownGraphics();
    return 0;
}

uint64_t ProcessHostFrame(CFFGLPlugin* instance, const ffgl::ProcessingRecord* record) {
    if (!record) return answer::Failure();
    if (!instance->connected) {
        instance->OpenConnection();
        instance->connected = true;
    }
    return answer::Number(instance->RenderFrame(record));
}
