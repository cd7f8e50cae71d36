#include "effect/EffectRegistration.h"

#include "VigilVersion.h"

#include "effect/ThumbnailArt.h"
#include "effect/ZaqVigilomatronic.h"
#include "host/Registration.h"
#include "host/Thumbnail.h"
#include "overlay/loading/OverlayLoader.h"

namespace {

constexpr const char* kDescription = "ZAQ OLM surveillance HUD \xE2\x80\x94 simplified 10-param version";
constexpr const char* kAbout = "Quillfen Studios";

// Global de-initialisation leaves no loading thread running, so the library can be unloaded;
// the loads of instances still alive go on from their next frame.
uint32_t StopOverlayLoaders() {
    OverlayLoader::EndAllThreads();
    return 0;
}

// Runs at library load, before the host can call anything.
const bool registered = [] {
    RegisterPlugin({CreateInstance, "ZQ01", "ZAQ Vigilomatronic", 2, 1, VIGIL_VERSION_MAJOR, VIGIL_VERSION_MINOR,
                    ffgl::kPluginTypeEffect, kDescription, kAbout, nullptr, StopOverlayLoaders});
    return true;
}();

// The preview picture, handed over at library load as well; the exit handler destroys it at unload.
const ThumbnailImage thumbnail(kThumbnailWidth, kThumbnailHeight, BuildThumbnail());

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
