// A stand-in FFGL library that answers the global questions but refuses to make an
// instance, so the host's error path for a failing plug-in can be checked on its own.
#include "abi/ffgl_abi.h"

namespace {

ffgl::PluginInfoRecord info{2, 1, {'F', 'A', 'K', 'E'}, {'R', 'e', 'f', 'u', 's', 'e', 'r'}, 0};
ffgl::ExtendedInfoRecord extended{1, 0, "refuses instances", "tests", 0, 0, nullptr};
ffgl::LogCallback log = nullptr;

}  // namespace

extern "C" __attribute__((visibility("default"))) uint64_t plugMain(uint32_t code, uint64_t, void*) {
    switch (code) {
        case ffgl::kInitialise:
        case ffgl::kDeinitialise: return ffgl::kSuccess;
        case ffgl::kGetInfo: return ffgl::PointerBits(&info);
        case ffgl::kGetExtendedInfo: return ffgl::PointerBits(&extended);
        case ffgl::kGetParameterCount: return 0;
        case ffgl::kInstantiate:
            if (log) log("no instances here");
            return ffgl::kFailure;
        default: return ffgl::kFailure;
    }
}

extern "C" __attribute__((visibility("default"))) void SetLogCallback(ffgl::LogCallback callback) { log = callback; }
