// A small FFGL plug-in for the validator's own tests, written on the wire header alone.
// Plain, it keeps the whole contract; VIGIL_PLANTED_FAULT names one fault to plant:
// unknown-code, past-table, blend, texture-leak, nan, hidden-error, crash or hang.
#include <GL/gl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

#include "abi/ffgl_abi.h"

namespace {

ffgl::PluginInfoRecord info{2, 1, {'T', 'E', 'S', 'T'}, {'P', 'l', 'a', 'n', 't', 'e', 'd'}, ffgl::kPluginTypeEffect};
ffgl::ExtendedInfoRecord extended{1, 0, "A plug-in with planted faults", "tests", 0, 0, nullptr};
constexpr uint32_t kParameters = 3;  // 0 "Level" (standard), 1 "Mode" (option A, B), 2 "Picture" (file)
const char* const kNames[kParameters] = {"Level", "Mode", "Picture"};
const uint32_t kTypes[kParameters] = {ffgl::kTypeStandard, ffgl::kTypeOption, ffgl::kTypeFile};
const char* const kElements[2] = {"A", "B"};
uint32_t thumbnail[8 * 4];
char display[17];  // 16 characters at most, as the host's field holds

struct Instance {
    float values[2] = {0.5f, 0.0f};
    std::string picture;
};

bool Planted(const char* fault) {
    const char* planted = std::getenv("VIGIL_PLANTED_FAULT");
    return planted && std::strcmp(planted, fault) == 0;
}

uint64_t Pointer(const void* pointer) { return ffgl::PointerBits(pointer); }
bool Known(uint32_t index) { return index < kParameters; }

uint64_t Frame(const ffgl::ProcessingRecord* record) {
    if (!record || record->inputCount < 1 || !record->inputTextures || !record->inputTextures[0]) return ffgl::kFailure;
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0.25f, 0.5f, 0.75f, 1.0f);
    if (Planted("nan")) glClearColor(NAN, NAN, NAN, NAN);
    glClear(GL_COLOR_BUFFER_BIT);
    if (Planted("blend")) glEnable(GL_BLEND);
    if (Planted("hidden-error")) {
        // A texture name never made is an error in a core context; reading the error
        // back hides it from the host's glGetError, not from the driver's debug output.
        glBindTexture(GL_TEXTURE_2D, 0x7FFFFFFFu);
        glGetError();
    }
    return ffgl::kSuccess;
}

uint64_t SetParameter(Instance* instance, const ffgl::SetParameterRecord* record) {
    if (!record || !Known(record->index)) return ffgl::kFailure;
    if (kTypes[record->index] != ffgl::kTypeFile) {
        instance->values[record->index] = ffgl::BitsFloat(record->value);
        return ffgl::kSuccess;
    }
    const char* text = ffgl::BitsPointer<const char>(record->value);
    instance->picture = text ? text : "";
    if (Planted("crash") && instance->picture.size() > 60000) *static_cast<volatile int*>(nullptr) = 1;
    while (Planted("hang") && instance->picture.find("missing") != std::string::npos) sleep(1);
    return ffgl::kSuccess;
}

uint64_t Describe(Instance* instance, uint32_t index) {
    if (!Known(index)) return 0;
    if (kTypes[index] == ffgl::kTypeFile) return Pointer(instance->picture.c_str());
    std::snprintf(display, sizeof display, "%f", static_cast<double>(instance->values[index]));
    return Pointer(display);
}

uint64_t InstanceCall(uint32_t code, uint64_t input, Instance* instance) {
    const uint32_t index = static_cast<uint32_t>(input);
    switch (code) {
        case ffgl::kProcessFrame: return Frame(ffgl::BitsPointer<const ffgl::ProcessingRecord>(input));
        case ffgl::kSetParameter:
            return SetParameter(instance, ffgl::BitsPointer<const ffgl::SetParameterRecord>(input));
        case ffgl::kGetParameter:
            if (!Known(index)) return ffgl::kFailure;
            return kTypes[index] == ffgl::kTypeFile ? Pointer(instance->picture.c_str())
                                                    : ffgl::FloatBits(instance->values[index]);
        case ffgl::kGetParameterDisplay: return Describe(instance, index);
        case ffgl::kDeinstantiate: delete instance; return ffgl::kSuccess;
        case ffgl::kGetInputStatus: return index == 0 ? 1 : ffgl::kFailure;
        case ffgl::kConnect:
        case ffgl::kDisconnect:
        case ffgl::kSetSampleRate: return ffgl::kSuccess;
        case ffgl::kSetTime:
        case ffgl::kResize:
        case ffgl::kSetTempo:
        case ffgl::kSetHostIdentity: return input ? ffgl::kSuccess : ffgl::kFailure;
        case ffgl::kGetParameterEvents:
            if (!input) return ffgl::kFailure;
            ffgl::BitsPointer<ffgl::EventQueryRecord>(input)->count = 0;
            return ffgl::kSuccess;
        case ffgl::kGetDisplayName: {
            const auto* query = ffgl::BitsPointer<const ffgl::TextQueryRecord>(input);
            return query && query->bufferSize > 0 && query->buffer ? ffgl::kSuccess : ffgl::kFailure;
        }
        default: return ffgl::kFailure;
    }
}

uint64_t Create(const ffgl::ViewportRecord* viewport) {
    if (!viewport) return ffgl::kFailure;
    if (Planted("texture-leak")) {
        GLuint texture = 0;
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        glBindTexture(GL_TEXTURE_2D, 0);
    }
    return Pointer(new Instance);
}

uint64_t ElementQuery(uint32_t code, const ffgl::ElementQueryRecord* query) {
    const bool element = query && query->index == 1 && query->entry < 2;
    const bool extension = query && query->index == 2 && query->entry == 0;
    if (code == ffgl::kGetElementName) return element ? Pointer(kElements[query->entry]) : 0;
    if (code == ffgl::kGetElementValue)
        return element ? ffgl::FloatBits(static_cast<float>(query->entry)) : ffgl::kFailure;
    return extension ? Pointer("png") : 0;
}

uint64_t GlobalCall(uint32_t code, uint64_t input) {
    const uint32_t index = static_cast<uint32_t>(input);
    const bool pastTableAccepted = Planted("past-table") && index == kParameters;
    switch (code) {
        case ffgl::kInitialise:
        case ffgl::kDeinitialise: return ffgl::kSuccess;
        case ffgl::kGetInfo: return Pointer(&info);
        case ffgl::kGetExtendedInfo: return Pointer(&extended);
        case ffgl::kGetParameterCount: return kParameters;
        case ffgl::kGetParameterName: return Known(index) ? Pointer(kNames[index]) : 0;
        case ffgl::kGetParameterType: return Known(index) ? kTypes[index] : pastTableAccepted ? 10 : ffgl::kFailure;
        case ffgl::kGetParameterDefault:
            if (!Known(index)) return ffgl::kFailure;
            return kTypes[index] == ffgl::kTypeFile ? Pointer("") : ffgl::FloatBits(index == 0 ? 0.5f : 0.0f);
        case ffgl::kGetCapability:
            return index == ffgl::kCapMinimumInputs || index == ffgl::kCapMaximumInputs ||
                   index == ffgl::kCapTimeSupported;
        case ffgl::kGetElementCount: return !Known(index) ? ffgl::kFailure : index == 1 ? 2 : index == 0 ? 1 : 0;
        case ffgl::kGetHintCode:
        case ffgl::kGetVisibility: return Known(index) ? code == ffgl::kGetVisibility : ffgl::kFailure;
        case ffgl::kGetExtensionCount: return index == 2;
        case ffgl::kGetAuxiliaryCount:
        case ffgl::kGetShortName: return 0;
        case ffgl::kGetElementName:
        case ffgl::kGetElementValue:
        case ffgl::kGetExtension: return ElementQuery(code, ffgl::BitsPointer<const ffgl::ElementQueryRecord>(input));
        case ffgl::kGetRange: {
            auto* range = ffgl::BitsPointer<ffgl::RangeRecord>(input);
            if (!range) return ffgl::kFailure;
            range->minimum = 0.0f;
            range->maximum = 1.0f;
            return ffgl::kSuccess;
        }
        case ffgl::kGetGroupName: {
            const auto* query = ffgl::BitsPointer<const ffgl::TextQueryRecord>(input);
            return query && query->bufferSize > 0 && query->buffer ? ffgl::kSuccess : ffgl::kFailure;
        }
        case ffgl::kGetThumbnail: {
            auto* query = ffgl::BitsPointer<ffgl::ThumbnailQueryRecord>(input);
            if (!query) return ffgl::kFailure;
            query->width = 8;
            query->height = 4;
            if (query->pixels) std::memcpy(query->pixels, thumbnail, sizeof thumbnail);
            return ffgl::kSuccess;
        }
        case ffgl::kInstantiate: return Create(ffgl::BitsPointer<const ffgl::ViewportRecord>(input));
        case 24: return Planted("unknown-code") ? ffgl::kSuccess : ffgl::kFailure;
        default: return ffgl::kFailure;
    }
}

}  // namespace

extern "C" __attribute__((visibility("default"))) uint64_t plugMain(uint32_t code, uint64_t input, void* instance) {
    constexpr uint32_t kInstanceCodes[] = {7, 8, 9, 16, 17, 19, 20, 21, 22, 23, 37, 38, 39, 40, 46, 49, 51};
    if (std::find(std::begin(kInstanceCodes), std::end(kInstanceCodes), code) == std::end(kInstanceCodes))
        return GlobalCall(code, input);
    return instance ? InstanceCall(code, input, static_cast<Instance*>(instance)) : ffgl::kFailure;
}

extern "C" __attribute__((visibility("default"))) void SetLogCallback(ffgl::LogCallback) {}
