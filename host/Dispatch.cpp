#include "host/Dispatch.h"

#include "host/Answers.h"
#include "host/InstanceCalls.h"
#include "host/InstanceLife.h"
#include "host/LiveInstances.h"
#include "host/ParameterQueries.h"
#include "host/Plugin.h"
#include "host/Prototype.h"
#include "host/Registration.h"

namespace {

using answer::Low;

uint64_t RegistrationRecord(bool extended) {
    const PluginRegistration* registration = RegisteredPlugin();
    if (!registration) return answer::NullPointer();
    if (extended) return answer::Pointer(&registration->records.extendedInfo);
    return answer::Pointer(&registration->records.info);
}

// Codes answered from the prototype's table, or from the handle's own table where the
// code takes an optional instance. Null when no table can be had.
uint64_t AnswerFromTable(uint32_t code, uint64_t input, CFFGLPlugin& table) {
    const uint32_t index = Low(input);
    switch (code) {
        case ffgl::kGetParameterCount: return table.ParameterCount();
        case ffgl::kGetParameterName: return answer::Pointer(table.ParameterName(index));
        case ffgl::kGetParameterDefault: return AnswerParameterDefault(table, index);
        case ffgl::kGetCapability: return AnswerCapability(table, index);
        case ffgl::kGetParameterType: return table.ParameterType(index);
        case ffgl::kGetElementCount: return table.ElementCount(index);
        case ffgl::kGetHintCode: return table.HintCode(index);
        case ffgl::kGetShortName: return answer::Pointer(table.QueryShortName());
        case ffgl::kGetElementName: return AnswerElementName(table, input);
        case ffgl::kGetElementValue: return AnswerElementValue(table, input);
        case ffgl::kGetRange: return AnswerRange(table, input);
        case ffgl::kGetExtensionCount: return table.ExtensionCount(index);
        case ffgl::kGetExtension: return AnswerExtension(table, input);
        case ffgl::kGetVisibility: return table.Visibility(index);
        case ffgl::kGetAuxiliaryCount: return table.AuxiliaryCount(index);
        case ffgl::kGetAuxiliaryEntry: return AnswerAuxiliaryEntry(table, input);
        case ffgl::kGetGroupName: return AnswerTextCopy(table, input, true);
        default: return answer::Failure();
    }
}

bool TakesOptionalInstance(uint32_t code) {
    return code == ffgl::kGetElementCount || code == ffgl::kGetElementName || code == ffgl::kGetElementValue ||
           code == ffgl::kGetVisibility;
}

// What a table query answers when the prototype cannot be made.
uint64_t AnswerWithoutPrototype(uint32_t code) { return code == ffgl::kGetAuxiliaryCount ? 0 : answer::Refusal(code); }

uint64_t AnswerTableQuery(uint32_t code, uint64_t input, CFFGLPlugin* instance) {
    if (instance && TakesOptionalInstance(code)) {
        if (!IsLiveInstance(instance)) return answer::Refusal(code);
        return AnswerFromTable(code, input, *instance);
    }
    CFFGLPlugin* prototype = Prototype();
    if (!prototype) return AnswerWithoutPrototype(code);
    return AnswerFromTable(code, input, *prototype);
}

uint64_t AnswerInstanceCall(uint32_t code, uint64_t input, CFFGLPlugin& instance) {
    const uint32_t number = Low(input);
    switch (code) {
        case ffgl::kGetParameterDisplay: return answer::Pointer(instance.DescribeParameterValue(number));
        case ffgl::kSetParameter: return SetParameter(instance, input);
        case ffgl::kGetParameter: return GetParameter(instance, number);
        case ffgl::kGetInputStatus: return instance.QueryInputStatus(number);
        case ffgl::kProcessFrame:
            return ProcessHostFrame(&instance, answer::RecordOf<const ffgl::ProcessingRecord>(input));
        case ffgl::kDeinstantiate: return DestroyHostInstance(&instance);
        case ffgl::kSetTime: return SetHostTime(instance, input);
        case ffgl::kConnect: return Connect(instance);
        case ffgl::kDisconnect: return Disconnect(instance);
        case ffgl::kResize: return Resize(instance, input);
        case ffgl::kSetElementValue: return AnswerSetElementValue(instance, input);
        case ffgl::kSetTempo: return SetTempo(instance, input);
        case ffgl::kSetHostIdentity: return SetHostIdentity(instance, input);
        case ffgl::kSetSampleRate: instance.StoreSampleRate(number); return 0;
        case ffgl::kGetParameterEvents: return AnswerEvents(instance, input);
        case ffgl::kEnableCapability: return EnableCapability(instance, number);
        case ffgl::kGetDisplayName: return AnswerTextCopy(instance, input, false);
        default: return answer::Failure();
    }
}

}  // namespace

uint64_t Dispatch(uint32_t code, uint64_t input, void* handle) {
    auto* instance = static_cast<CFFGLPlugin*>(handle);
    switch (code) {
        case ffgl::kGetInfo: return RegistrationRecord(false);
        case ffgl::kGetExtendedInfo: return RegistrationRecord(true);
        case ffgl::kDeinitialise: return ReleasePrototype();
        case ffgl::kInitialise: return EnsurePrototype();
        case ffgl::kInstantiate: return CreateHostInstance(answer::RecordOf<const ffgl::ViewportRecord>(input));
        case ffgl::kGetThumbnail: return AnswerThumbnail(input);
        case ffgl::kGetParameterCount:
        case ffgl::kGetParameterName:
        case ffgl::kGetParameterDefault:
        case ffgl::kGetCapability:
        case ffgl::kGetParameterType:
        case ffgl::kGetElementCount:
        case ffgl::kGetHintCode:
        case ffgl::kGetShortName:
        case ffgl::kGetElementName:
        case ffgl::kGetElementValue:
        case ffgl::kGetRange:
        case ffgl::kGetExtensionCount:
        case ffgl::kGetExtension:
        case ffgl::kGetVisibility:
        case ffgl::kGetAuxiliaryCount:
        case ffgl::kGetAuxiliaryEntry:
        case ffgl::kGetGroupName: return AnswerTableQuery(code, input, instance);
        // A handle that is not a live instance of ours is never read through.
        default: return IsLiveInstance(instance) ? AnswerInstanceCall(code, input, *instance) : answer::Failure();
    }
}
