// The image decoder's allocator. Every block it takes is counted against the budget of
// the decode in progress, so a file that slips past the size checks fails as an
// allocation failure instead of exhausting memory. Outside a budget nothing is granted.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

struct DecoderBlock;

// What one decode holds: its blocks, their bytes, its limit and its cancel flag. Each
// thread has one of its own; a decode that is put aside and taken up again on another
// thread brings its own (ScopedDecodeAccount), used by one thread at a time.
struct DecodeAccount {
    size_t bytesInUse = 0;
    size_t peakBytes = 0;
    size_t limitBytes = 0;
    const std::atomic<bool>* cancelFlag = nullptr;
    DecoderBlock* newestBlock = nullptr;
    uint64_t blocksMade = 0;
};

// While the scope lives, the decoder on this thread counts against `account`.
class ScopedDecodeAccount {
public:
    explicit ScopedDecodeAccount(DecodeAccount& account);
    ~ScopedDecodeAccount();
    ScopedDecodeAccount(const ScopedDecodeAccount&) = delete;
    ScopedDecodeAccount& operator=(const ScopedDecodeAccount&) = delete;

private:
    DecodeAccount* previous;
};

void* BudgetedAllocate(size_t bytes);
// A block is counted against the account that granted it, on whichever thread it changes.
void* BudgetedReallocate(void* block, size_t bytes);
void BudgetedFree(void* block);

// Every block the decoder takes on this account is numbered; after a decode that was
// called off midway, the blocks taken since a mark are freed.
uint64_t DecoderBlockMark();
void FreeDecoderBlocksSince(uint64_t mark);

// Bytes the decoder holds now, and the most it held since the last ScopedDecodeBudget began.
size_t DecoderBytesInUse();
size_t DecoderPeakBytes();
void ResetDecoderPeak();

// While the scope lives, every allocation on this account fails once `cancelled` is set:
// a decode that is no longer wanted then stops at its next allocation.
class ScopedDecodeCancel {
public:
    explicit ScopedDecodeCancel(const std::atomic<bool>& cancelled);
    ~ScopedDecodeCancel();
    ScopedDecodeCancel(const ScopedDecodeCancel&) = delete;
    ScopedDecodeCancel& operator=(const ScopedDecodeCancel&) = delete;

private:
    DecodeAccount* account;
    const std::atomic<bool>* previous;
};

// Whether the decode on this thread has been called off.
bool DecodeCancelled();

// Grants `bytes` more than the decoder holds now, for the life of the scope, on the
// account in use when it began.
class ScopedDecodeBudget {
public:
    explicit ScopedDecodeBudget(size_t bytes);
    ~ScopedDecodeBudget();
    ScopedDecodeBudget(const ScopedDecodeBudget&) = delete;
    ScopedDecodeBudget& operator=(const ScopedDecodeBudget&) = delete;

private:
    DecodeAccount* account;
    size_t previousLimit;
};
