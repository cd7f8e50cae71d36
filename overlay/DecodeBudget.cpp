#include "overlay/DecodeBudget.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Each block carries its size in front, so frees and reallocations can be counted.
constexpr size_t kHeaderBytes = alignof(std::max_align_t) > sizeof(size_t) ? alignof(std::max_align_t) : sizeof(size_t);

// Per thread: decodes on different host threads do not share a budget.
thread_local size_t bytesInUse = 0;
thread_local size_t peakBytes = 0;
thread_local size_t limitBytes = 0;
thread_local const std::atomic<bool>* cancelFlag = nullptr;

bool WithinBudget(size_t heldBefore, size_t wanted) {
    if (DecodeCancelled()) return false;
    if (wanted > SIZE_MAX - kHeaderBytes) return false;
    const size_t others = bytesInUse - heldBefore;
    return others <= limitBytes && wanted <= limitBytes - others;
}

void Count(size_t heldBefore, size_t heldAfter) {
    bytesInUse = bytesInUse - heldBefore + heldAfter;
    if (bytesInUse > peakBytes) peakBytes = bytesInUse;
}

unsigned char* HeaderOf(void* block) { return static_cast<unsigned char*>(block) - kHeaderBytes; }

size_t SizeOf(void* block) {
    size_t size;
    std::memcpy(&size, HeaderOf(block), sizeof size);
    return size;
}

void* Finish(unsigned char* base, size_t bytes) {
    std::memcpy(base, &bytes, sizeof bytes);
    return base + kHeaderBytes;
}

}  // namespace

void* BudgetedAllocate(size_t bytes) {
    if (!WithinBudget(0, bytes)) return nullptr;
    // Zeroed: the decoder leaves its JPEG state uninitialised, so a scan naming a Huffman
    // table the file never defined would otherwise index with whatever the heap held.
    auto* base = static_cast<unsigned char*>(std::calloc(1, kHeaderBytes + bytes));
    if (!base) return nullptr;
    Count(0, bytes);
    return Finish(base, bytes);
}

void* BudgetedReallocate(void* block, size_t bytes) {
    if (!block) return BudgetedAllocate(bytes);
    const size_t held = SizeOf(block);
    if (!WithinBudget(held, bytes)) return nullptr;
    auto* base = static_cast<unsigned char*>(std::realloc(HeaderOf(block), kHeaderBytes + bytes));
    if (!base) return nullptr;
    Count(held, bytes);
    return Finish(base, bytes);
}

void BudgetedFree(void* block) {
    if (!block) return;
    Count(SizeOf(block), 0);
    std::free(HeaderOf(block));
}

bool DecodeCancelled() { return cancelFlag && cancelFlag->load(std::memory_order_relaxed); }

ScopedDecodeCancel::ScopedDecodeCancel(const std::atomic<bool>& cancelled) : previous(cancelFlag) {
    cancelFlag = &cancelled;
}

ScopedDecodeCancel::~ScopedDecodeCancel() { cancelFlag = previous; }

size_t DecoderBytesInUse() { return bytesInUse; }
size_t DecoderPeakBytes() { return peakBytes; }
void ResetDecoderPeak() { peakBytes = bytesInUse; }

ScopedDecodeBudget::ScopedDecodeBudget(size_t bytes) : previousLimit(limitBytes) {
    limitBytes = bytesInUse + bytes < bytesInUse ? SIZE_MAX : bytesInUse + bytes;
    ResetDecoderPeak();
}

ScopedDecodeBudget::~ScopedDecodeBudget() { limitBytes = previousLimit; }
