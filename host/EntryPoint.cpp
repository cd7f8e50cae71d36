// The library's two exports. Nothing thrown inside ever reaches the host: a call that
// throws answers failure (null where the host waits for a pointer).
#include "abi/ffgl_abi.h"
#include "host/Answers.h"
#include "host/Dispatch.h"
#include "host/Log.h"

#define FFGL_EXPORT extern "C" __attribute__((visibility("default")))

FFGL_EXPORT uint64_t plugMain(uint32_t functionCode, uint64_t input, void* instance) {
    try {
        return Dispatch(functionCode, input, instance);
    } catch (...) {
        return answer::Refusal(functionCode);
    }
}

FFGL_EXPORT void SetLogCallback(ffgl::LogCallback callback) { InstallLogCallback(callback); }
