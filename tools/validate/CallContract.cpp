#include "tools/validate/CallContract.h"

#include "abi/ffgl_abi.h"

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
