// The road an instance's plugMain calls take: straight to the library, or through a route
// that reports each call before it is made (the validator writes it to its report, so a
// crash or hang names the call, and shows it to its watchers).
#pragma once

#include <cstdint>
#include <string>

class CallRoute {
public:
    virtual ~CallRoute() = default;
    // One plugMain call; `what` says what it is for, for routes that report their calls.
    virtual uint64_t Call(uint32_t code, uint64_t input, void* instance, const std::string& what) = 0;
};
