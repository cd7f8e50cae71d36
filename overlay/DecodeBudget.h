// The image decoder's allocator. Every block it takes is counted against the budget of
// the decode in progress, so a file that slips past the size checks fails as an
// allocation failure instead of exhausting memory. Outside a budget nothing is granted.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

void* BudgetedAllocate(size_t bytes);
void* BudgetedReallocate(void* block, size_t bytes);
void BudgetedFree(void* block);

// Every block the decoder takes on this thread is numbered; after a decode that was called
// off midway, the blocks taken since a mark are freed.
uint64_t DecoderBlockMark();
void FreeDecoderBlocksSince(uint64_t mark);

// Bytes the decoder holds now, and the most it held since the last ScopedDecodeBudget began.
size_t DecoderBytesInUse();
size_t DecoderPeakBytes();
void ResetDecoderPeak();

// While the scope lives, every allocation on this thread fails once `cancelled` is set:
// a decode that is no longer wanted then stops at its next allocation.
class ScopedDecodeCancel {
public:
    explicit ScopedDecodeCancel(const std::atomic<bool>& cancelled);
    ~ScopedDecodeCancel();
    ScopedDecodeCancel(const ScopedDecodeCancel&) = delete;
    ScopedDecodeCancel& operator=(const ScopedDecodeCancel&) = delete;

private:
    const std::atomic<bool>* previous;
};

// Whether the decode on this thread has been called off.
bool DecodeCancelled();

// Grants `bytes` more than the decoder holds now, for the life of the scope.
class ScopedDecodeBudget {
public:
    explicit ScopedDecodeBudget(size_t bytes);
    ~ScopedDecodeBudget();
    ScopedDecodeBudget(const ScopedDecodeBudget&) = delete;
    ScopedDecodeBudget& operator=(const ScopedDecodeBudget&) = delete;

private:
    size_t previousLimit;
};
