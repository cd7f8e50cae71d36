#include "tools/video/FrameMemory.h"

#include <malloc.h>

namespace {

// Above any frame (a 4096x2160 RGBA frame is 34 MiB): such blocks come from the heap.
constexpr int kMappedFrom = 64 << 20;
// The heap keeps this much free at its top before giving memory back.
constexpr int kKeptFree = 256 << 20;

}  // namespace

void KeepFrameMemory() {
    mallopt(M_MMAP_THRESHOLD, kMappedFrom);
    mallopt(M_TRIM_THRESHOLD, kKeptFree);
}

std::vector<std::string> FrameMemoryEnvironment() {
    return {"MALLOC_MMAP_THRESHOLD_=" + std::to_string(kMappedFrom),
            "MALLOC_TRIM_THRESHOLD_=" + std::to_string(kKeptFree)};
}
