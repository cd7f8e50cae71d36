// The OpenGL context every host context asks for, as plain data that each window system
// (GLX, WGL) translates into its own attribute list: OpenGL 4.1 core, as FFGL 2.1 hosts give.
#pragma once

#include <array>

struct ContextRequest {
    int major = 4;
    int minor = 1;
    bool forwardCompatible = false;  // no line wider than 1, as macOS hosts give
    bool debug = false;              // the driver may report through GL's debug output
};

// One window system's names for the attributes of a core context.
struct ContextAttributeNames {
    int majorVersion;
    int minorVersion;
    int profileMask;
    int coreProfileBit;
    int flags;
    int forwardCompatibleBit;
    int debugBit;
};

// The zero-terminated attribute list that asks for the request.
constexpr std::array<int, 9> ContextAttributes(const ContextRequest& request, const ContextAttributeNames& names) {
    const int flags =
        (request.forwardCompatible ? names.forwardCompatibleBit : 0) | (request.debug ? names.debugBit : 0);
    return {names.majorVersion,
            request.major,
            names.minorVersion,
            request.minor,
            names.profileMask,
            names.coreProfileBit,
            names.flags,
            flags,
            0};
}
