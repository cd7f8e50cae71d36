#include "tools/validate/CallContract.h"

#include "abi/ffgl_abi.h"

namespace {

const char* CodeName(uint32_t code) {
    switch (code) {
        case ffgl::kGetInfo: return "plug-in info";
        case ffgl::kDeinitialise: return "global de-initialisation";
        case ffgl::kGetParameterCount: return "number of parameters";
        case ffgl::kGetParameterName: return "parameter name";
        case ffgl::kGetParameterDefault: return "parameter default";
        case ffgl::kGetParameterDisplay: return "parameter display text";
        case ffgl::kSetParameter: return "set parameter";
        case ffgl::kGetParameter: return "get parameter";
        case ffgl::kGetCapability: return "capability";
        case ffgl::kGetExtendedInfo: return "extended info";
        case ffgl::kGetParameterType: return "parameter type";
        case ffgl::kGetInputStatus: return "input status";
        case ffgl::kProcessFrame: return "process frame";
        case ffgl::kInstantiate: return "create instance";
        case ffgl::kDeinstantiate: return "destroy instance";
        case ffgl::kSetTime: return "host time";
        case ffgl::kConnect: return "connect";
        case ffgl::kDisconnect: return "disconnect";
        case ffgl::kResize: return "resize";
        case ffgl::kGetElementCount: return "number of option elements";
        case ffgl::kGetHintCode: return "hint code";
        case ffgl::kGetShortName: return "short name";
        case ffgl::kInitialise: return "global initialisation";
        case ffgl::kGetElementName: return "option element name";
        case ffgl::kGetElementValue: return "option element value";
        case ffgl::kSetElementValue: return "set option element value";
        case ffgl::kSetTempo: return "tempo";
        case ffgl::kSetHostIdentity: return "host identity";
        case ffgl::kSetSampleRate: return "sample rate";
        case ffgl::kGetRange: return "value range";
        case ffgl::kGetThumbnail: return "thumbnail";
        case ffgl::kGetExtensionCount: return "number of file extensions";
        case ffgl::kGetExtension: return "file extension";
        case ffgl::kGetVisibility: return "visibility";
        case ffgl::kGetParameterEvents: return "parameter events";
        case ffgl::kGetAuxiliaryCount: return "number of auxiliary entries";
        case ffgl::kGetAuxiliaryEntry: return "auxiliary entry";
        case ffgl::kEnableCapability: return "enable capability";
        case ffgl::kGetGroupName: return "group name";
        case ffgl::kGetDisplayName: return "display name";
        default: return "not a function";
    }
}

}  // namespace

std::string CodeText(uint32_t code) { return "code " + std::to_string(code) + " (" + CodeName(code) + ")"; }

bool NeedsInstance(uint32_t code) {
    switch (code) {
        case ffgl::kGetParameterDisplay:
        case ffgl::kSetParameter:
        case ffgl::kGetParameter:
        case ffgl::kGetInputStatus:
        case ffgl::kProcessFrame:
        case ffgl::kDeinstantiate:
        case ffgl::kSetTime:
        case ffgl::kConnect:
        case ffgl::kDisconnect:
        case ffgl::kResize:
        case ffgl::kSetElementValue:
        case ffgl::kSetTempo:
        case ffgl::kSetHostIdentity:
        case ffgl::kSetSampleRate:
        case ffgl::kGetParameterEvents:
        case ffgl::kEnableCapability:
        case ffgl::kGetDisplayName: return true;
        default: return false;
    }
}

bool TakesRecord(uint32_t code) {
    switch (code) {
        case ffgl::kSetParameter:
        case ffgl::kProcessFrame:
        case ffgl::kInstantiate:
        case ffgl::kSetTime:
        case ffgl::kResize:
        case ffgl::kGetElementName:
        case ffgl::kGetElementValue:
        case ffgl::kSetElementValue:
        case ffgl::kSetTempo:
        case ffgl::kSetHostIdentity:
        case ffgl::kGetRange:
        case ffgl::kGetThumbnail:
        case ffgl::kGetExtension:
        case ffgl::kGetParameterEvents:
        case ffgl::kGetAuxiliaryEntry:
        case ffgl::kGetGroupName:
        case ffgl::kGetDisplayName: return true;
        default: return false;
    }
}

bool AnswersPointer(uint32_t code) {
    return code == ffgl::kGetInfo || code == ffgl::kGetParameterName || code == ffgl::kGetParameterDisplay ||
           code == ffgl::kGetExtendedInfo || code == ffgl::kGetShortName || code == ffgl::kGetElementName ||
           code == ffgl::kGetExtension || code == ffgl::kGetParameter;
}
