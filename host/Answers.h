// How answers travel back to the host in plugMain's 64-bit result.
#pragma once

#include <cstdint>

#include "abi/ffgl_abi.h"

namespace answer {

inline uint64_t Failure() { return ffgl::kFailure; }
inline uint64_t Number(uint32_t value) { return value; }
inline uint64_t Float(float value) { return ffgl::FloatBits(value); }
inline uint64_t Pointer(const void* pointer) { return reinterpret_cast<uint64_t>(pointer); }
inline uint64_t NullPointer() { return 0; }

// How a call that cannot be served says no: null where the host waits for a pointer.
inline uint64_t Refusal(uint32_t code) {
    switch (code) {
        case ffgl::kGetInfo:
        case ffgl::kGetParameterName:
        case ffgl::kGetParameterDisplay:
        case ffgl::kGetExtendedInfo:
        case ffgl::kGetShortName:
        case ffgl::kGetElementName:
        case ffgl::kGetExtension: return NullPointer();
        default: return Failure();
    }
}

// The low half of the input, where indices, capability numbers and rates travel.
inline uint32_t Low(uint64_t input) { return static_cast<uint32_t>(input); }

template <typename Record>
inline Record* RecordOf(uint64_t input) {
    return ffgl::BitsPointer<Record>(input);
}

}  // namespace answer
