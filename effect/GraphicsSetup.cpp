// Placeholder until the processing pass lands: the instance base's GL set-up.
#include "effect/ZaqVigilomatronic.h"

uint32_t ZaqVigilomatronic::SetUpGraphics(const ffgl::ViewportRecord* viewportRecord) {
    return CFFGLPlugin::SetUpGraphics(viewportRecord);
}

uint32_t ZaqVigilomatronic::TearDownGraphics() {
    ReleaseOverlay();
    return 0;
}
