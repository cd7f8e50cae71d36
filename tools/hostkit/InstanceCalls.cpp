#include "tools/hostkit/InstanceCalls.h"

#include <cstring>

namespace {

// Texts longer than this are not what a parameter's text looks like.
constexpr size_t kMaxTextLength = 4096;

}  // namespace

void* Instantiate(CallRoute& route, const ffgl::ViewportRecord& viewport, const std::string& what) {
    const uint64_t handle = route.Call(ffgl::kInstantiate, ffgl::PointerBits(&viewport), nullptr, what);
    return NoPointer(handle) ? nullptr : ffgl::BitsPointer<void>(handle);
}

uint64_t SetParameterValue(CallRoute& route, void* instance, uint32_t index, float value, const std::string& what) {
    ffgl::SetParameterRecord record{index, 0, ffgl::FloatBits(value)};
    return route.Call(ffgl::kSetParameter, ffgl::PointerBits(&record), instance, what);
}

uint64_t SetParameterText(CallRoute& route, void* instance, uint32_t index, const char* text, const std::string& what) {
    ffgl::SetParameterRecord record{index, 0, ffgl::PointerBits(text)};
    return route.Call(ffgl::kSetParameter, ffgl::PointerBits(&record), instance, what);
}

std::string ParameterText(CallRoute& route, void* instance, uint32_t index) {
    const uint64_t answer = route.Call(ffgl::kGetParameter, index, instance, "");
    if (NoPointer(answer)) return {};
    const char* text = ffgl::BitsPointer<const char>(answer);
    return std::string(text, strnlen(text, kMaxTextLength));
}

uint64_t ProcessFrame(CallRoute& route, void* instance, const ffgl::ProcessingRecord* record, const std::string& what) {
    return route.Call(ffgl::kProcessFrame, ffgl::PointerBits(record), instance, what);
}

uint64_t Deinstantiate(CallRoute& route, void* instance, const std::string& what) {
    return route.Call(ffgl::kDeinstantiate, 0, instance, what);
}
