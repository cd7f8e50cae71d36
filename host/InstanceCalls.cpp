#include "host/InstanceCalls.h"

#include "host/Answers.h"
#include "host/Plugin.h"
#include "host/Prototype.h"

namespace {

// Text or number is decided by the prototype's table; without a prototype, a number.
bool IsTextParameter(uint32_t index) {
    const CFFGLPlugin* prototype = Prototype();
    return prototype && ffgl::IsTextType(prototype->ParameterType(index));
}

}  // namespace

uint64_t SetParameter(CFFGLPlugin& instance, uint64_t input) {
    const auto* record = answer::RecordOf<const ffgl::SetParameterRecord>(input);
    if (!record) return answer::Failure();
    if (IsTextParameter(record->index))
        return answer::Number(instance.ApplyParameterText(record->index, ffgl::BitsPointer<const char>(record->value)));
    return answer::Number(instance.ApplyParameterValue(record->index, ffgl::BitsFloat(record->value)));
}

uint64_t GetParameter(CFFGLPlugin& instance, uint32_t index) {
    if (IsTextParameter(index)) return answer::Pointer(instance.ReadParameterText(index));
    return answer::Float(instance.ReadParameterValue(index));
}

uint64_t SetHostTime(CFFGLPlugin& instance, uint64_t input) {
    const auto* seconds = answer::RecordOf<const double>(input);
    if (!seconds) return answer::Failure();
    return answer::Number(instance.StoreHostTime(*seconds));
}

uint64_t Connect(CFFGLPlugin& instance) {
    const uint32_t result = instance.OpenConnection();
    if (result == 0) instance.connected = true;
    return answer::Number(result);
}

uint64_t Disconnect(CFFGLPlugin& instance) {
    const uint32_t result = instance.CloseConnection();
    if (result == 0) instance.connected = false;
    return answer::Number(result);
}

uint64_t Resize(CFFGLPlugin& instance, uint64_t input) {
    const auto* viewport = answer::RecordOf<const ffgl::ViewportRecord>(input);
    if (!viewport) return answer::Failure();
    return answer::Number(instance.ChangeViewport(viewport));
}

uint64_t SetTempo(CFFGLPlugin& instance, uint64_t input) {
    const auto* tempo = answer::RecordOf<const ffgl::TempoRecord>(input);
    if (!tempo) return answer::Failure();
    instance.StoreTempo(tempo->beatsPerMinute, tempo->barPhase);
    return 0;
}

uint64_t SetHostIdentity(CFFGLPlugin& instance, uint64_t input) {
    const auto* identity = answer::RecordOf<const ffgl::HostIdentityRecord>(input);
    if (!identity) return answer::Failure();
    instance.StoreHostIdentity(identity->name, identity->version);
    return 0;
}

// The answer is failure in every case, even when the flag is set; the flag alone records it.
uint64_t EnableCapability(CFFGLPlugin& instance, uint32_t capability) {
    if (capability != ffgl::kCapTopLeftOrientation) return answer::Failure();
    const CFFGLPlugin* prototype = Prototype();
    if (prototype && prototype->topLeftOrientation) instance.topLeftOrientationEnabled = 1;
    return answer::Failure();
}
