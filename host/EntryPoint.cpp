// Placeholder until the dispatcher lands.
#include "abi/ffgl_abi.h"
#include "host/Log.h"

#define FFGL_EXPORT extern "C" __attribute__((visibility("default")))

FFGL_EXPORT uint64_t plugMain(uint32_t, uint64_t, void*) { return ffgl::kFailure; }
FFGL_EXPORT void SetLogCallback(ffgl::LogCallback callback) { InstallLogCallback(callback); }
