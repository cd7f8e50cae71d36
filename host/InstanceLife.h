// An instance's life as the host drives it: creation, frames, destruction.
#pragma once

#include <cstdint>

#include "abi/ffgl_abi.h"

class CFFGLPlugin;

// The new instance as the handle, or failure; every failure after the factory ran
// destroys the new instance again.
uint64_t CreateHostInstance(const ffgl::ViewportRecord* viewport);
uint64_t DestroyHostInstance(CFFGLPlugin* instance);
// Connects on the first frame, then renders.
uint64_t ProcessHostFrame(CFFGLPlugin* instance, const ffgl::ProcessingRecord* record);
