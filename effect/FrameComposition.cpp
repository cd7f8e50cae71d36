// Placeholder until the frame lands: the instance base's answer.
#include "effect/ZaqVigilomatronic.h"

uint32_t ZaqVigilomatronic::RenderFrame(const ffgl::ProcessingRecord* record) {
    return CFFGLPlugin::RenderFrame(record);
}
