#include "overlay/DecodeBudget.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Each block carries a header in front: its size, so frees and reallocations can be
// counted, and its place in the thread's list of live blocks, so that a decode called
// off midway can be cleaned up after.
struct BlockHeader {
    size_t size;
    uint64_t serial;  // order of allocation on this thread
    BlockHeader* previous;
    BlockHeader* next;
};
constexpr size_t kAlignment = alignof(std::max_align_t);
constexpr size_t kHeaderBytes = (sizeof(BlockHeader) + kAlignment - 1) / kAlignment * kAlignment;

// Per thread: decodes on different threads do not share a budget.
thread_local size_t bytesInUse = 0;
thread_local size_t peakBytes = 0;
thread_local size_t limitBytes = 0;
thread_local const std::atomic<bool>* cancelFlag = nullptr;
thread_local BlockHeader* newestBlock = nullptr;
thread_local uint64_t blocksMade = 0;

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

BlockHeader* HeaderOf(void* block) {
    return reinterpret_cast<BlockHeader*>(static_cast<unsigned char*>(block) - kHeaderBytes);
}

void Link(BlockHeader* header) {
    header->previous = newestBlock;
    header->next = nullptr;
    if (newestBlock) newestBlock->next = header;
    newestBlock = header;
}

void Unlink(BlockHeader* header) {
    if (header->previous) header->previous->next = header->next;
    if (header->next) header->next->previous = header->previous;
    if (newestBlock == header) newestBlock = header->previous;
}

void* Finish(void* base, size_t bytes, uint64_t serial) {
    auto* header = static_cast<BlockHeader*>(base);
    header->size = bytes;
    header->serial = serial;
    Link(header);
    return static_cast<unsigned char*>(base) + kHeaderBytes;
}

}  // namespace

void* BudgetedAllocate(size_t bytes) {
    if (!WithinBudget(0, bytes)) return nullptr;
    // Zeroed: the decoder leaves its JPEG state uninitialised, so a scan naming a Huffman
    // table the file never defined would otherwise index with whatever the heap held.
    void* base = std::calloc(1, kHeaderBytes + bytes);
    if (!base) return nullptr;
    Count(0, bytes);
    return Finish(base, bytes, ++blocksMade);
}

void* BudgetedReallocate(void* block, size_t bytes) {
    if (!block) return BudgetedAllocate(bytes);
    BlockHeader* header = HeaderOf(block);
    const size_t held = header->size;
    const uint64_t serial = header->serial;
    if (!WithinBudget(held, bytes)) return nullptr;
    Unlink(header);
    void* base = std::realloc(header, kHeaderBytes + bytes);
    if (!base) {
        Link(header);  // the block is still there, unchanged
        return nullptr;
    }
    Count(held, bytes);
    return Finish(base, bytes, serial);
}

void BudgetedFree(void* block) {
    if (!block) return;
    BlockHeader* header = HeaderOf(block);
    Count(header->size, 0);
    Unlink(header);
    std::free(header);
}

uint64_t DecoderBlockMark() { return blocksMade; }

void FreeDecoderBlocksSince(uint64_t mark) {
    for (BlockHeader* header = newestBlock; header;) {
        BlockHeader* older = header->previous;
        if (header->serial > mark) BudgetedFree(reinterpret_cast<unsigned char*>(header) + kHeaderBytes);
        header = older;
    }
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
