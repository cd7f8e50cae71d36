#include "host/LiveInstances.h"

#include <algorithm>
#include <new>
#include <vector>

namespace {

// A host runs a handful of instances: a scan of a short array costs less than hashing.
std::vector<const void*>& Live() {
    static std::vector<const void*> live;
    return live;
}

}  // namespace

bool RegisterLiveInstance(const CFFGLPlugin* instance) {
    try {
        Live().push_back(instance);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void ForgetLiveInstance(const CFFGLPlugin* instance) {
    std::vector<const void*>& live = Live();
    live.erase(std::remove(live.begin(), live.end(), static_cast<const void*>(instance)), live.end());
}

bool IsLiveInstance(const void* handle) {
    const std::vector<const void*>& live = Live();
    return handle && std::find(live.begin(), live.end(), handle) != live.end();
}
