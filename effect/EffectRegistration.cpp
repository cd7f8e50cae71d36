#include "effect/EffectRegistration.h"

#include "effect/ZaqVigilomatronic.h"
#include "host/Registration.h"

namespace {

constexpr const char* kDescription = "ZAQ OLM surveillance HUD \xE2\x80\x94 simplified 10-param version";
constexpr const char* kAbout = "Quillfen Studios";

// Runs at library load, before the host can call anything.
const bool registered = [] {
    RegisterPlugin({CreateInstance, "ZQ01", "ZAQ Vigilomatronic", 2, 1, 2, 1, ffgl::kPluginTypeEffect, kDescription,
                    kAbout, nullptr, nullptr});
    return true;
}();

}  // namespace

uint32_t CreateInstance(CFFGLPlugin** instance) {
    try {
        *instance = new ZaqVigilomatronic();
        return 0;
    } catch (...) {
        *instance = nullptr;
        return ffgl::kFailure32;
    }
}
