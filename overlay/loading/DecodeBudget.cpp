#include "overlay/loading/DecodeBudget.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

// Each block carries a header in front: its size and account, so frees and reallocations
// are counted where they belong, and its place in that account's list of live blocks, so
// that a decode called off midway can be cleaned up after.
struct DecoderBlock {
    size_t size;
    uint64_t serial;  // order of allocation on its account
    DecodeAccount* account;
    DecoderBlock* previous;
    DecoderBlock* next;
};

namespace {

constexpr size_t kAlignment = alignof(std::max_align_t);
constexpr size_t kHeaderBytes = (sizeof(DecoderBlock) + kAlignment - 1) / kAlignment * kAlignment;

thread_local DecodeAccount threadAccount;
thread_local DecodeAccount* currentAccount = nullptr;

DecodeAccount& Current() { return currentAccount ? *currentAccount : threadAccount; }

bool WithinBudget(const DecodeAccount& account, size_t heldBefore, size_t wanted) {
    if (account.cancelFlag && account.cancelFlag->load(std::memory_order_relaxed)) return false;
    if (wanted > SIZE_MAX - kHeaderBytes) return false;
    const size_t others = account.bytesInUse - heldBefore;
    return others <= account.limitBytes && wanted <= account.limitBytes - others;
}

void Count(DecodeAccount& account, size_t heldBefore, size_t heldAfter) {
    account.bytesInUse = account.bytesInUse - heldBefore + heldAfter;
    if (account.bytesInUse > account.peakBytes) account.peakBytes = account.bytesInUse;
}

DecoderBlock* HeaderOf(void* block) {
    return reinterpret_cast<DecoderBlock*>(static_cast<unsigned char*>(block) - kHeaderBytes);
}

void Link(DecoderBlock* header) {
    DecodeAccount& account = *header->account;
    header->previous = account.newestBlock;
    header->next = nullptr;
    if (account.newestBlock) account.newestBlock->next = header;
    account.newestBlock = header;
}

void Unlink(DecoderBlock* header) {
    if (header->previous) header->previous->next = header->next;
    if (header->next) header->next->previous = header->previous;
    if (header->account->newestBlock == header) header->account->newestBlock = header->previous;
}

void* Finish(void* base, size_t bytes, uint64_t serial, DecodeAccount& account) {
    auto* header = static_cast<DecoderBlock*>(base);
    header->size = bytes;
    header->serial = serial;
    header->account = &account;
    Link(header);
    return static_cast<unsigned char*>(base) + kHeaderBytes;
}

}  // namespace

ScopedDecodeAccount::ScopedDecodeAccount(DecodeAccount& account) : previous(currentAccount) {
    currentAccount = &account;
}

ScopedDecodeAccount::~ScopedDecodeAccount() { currentAccount = previous; }

void* BudgetedAllocate(size_t bytes) {
    DecodeAccount& account = Current();
    if (!WithinBudget(account, 0, bytes)) return nullptr;
    // Zeroed: the decoder leaves its JPEG state uninitialised, so a scan naming a Huffman
    // table the file never defined would otherwise index with whatever the heap held.
    void* base = std::calloc(1, kHeaderBytes + bytes);
    if (!base) return nullptr;
    Count(account, 0, bytes);
    return Finish(base, bytes, ++account.blocksMade, account);
}

void* BudgetedReallocate(void* block, size_t bytes) {
    if (!block) return BudgetedAllocate(bytes);
    DecoderBlock* header = HeaderOf(block);
    DecodeAccount& account = *header->account;
    const size_t held = header->size;
    const uint64_t serial = header->serial;
    if (!WithinBudget(account, held, bytes)) return nullptr;
    Unlink(header);
    void* base = std::realloc(header, kHeaderBytes + bytes);
    if (!base) {
        Link(header);  // the block is still there, unchanged
        return nullptr;
    }
    Count(account, held, bytes);
    return Finish(base, bytes, serial, account);
}

void BudgetedFree(void* block) {
    if (!block) return;
    DecoderBlock* header = HeaderOf(block);
    Count(*header->account, header->size, 0);
    Unlink(header);
    std::free(header);
}

uint64_t DecoderBlockMark() { return Current().blocksMade; }

void FreeDecoderBlocksSince(uint64_t mark) {
    for (DecoderBlock* header = Current().newestBlock; header;) {
        DecoderBlock* older = header->previous;
        if (header->serial > mark) BudgetedFree(reinterpret_cast<unsigned char*>(header) + kHeaderBytes);
        header = older;
    }
}

bool DecodeCancelled() {
    const DecodeAccount& account = Current();
    return account.cancelFlag && account.cancelFlag->load(std::memory_order_relaxed);
}

ScopedDecodeCancel::ScopedDecodeCancel(const std::atomic<bool>& cancelled)
    : account(&Current()), previous(account->cancelFlag) {
    account->cancelFlag = &cancelled;
}

ScopedDecodeCancel::~ScopedDecodeCancel() { account->cancelFlag = previous; }

size_t DecoderBytesInUse() { return Current().bytesInUse; }
size_t DecoderPeakBytes() { return Current().peakBytes; }
void ResetDecoderPeak() { Current().peakBytes = Current().bytesInUse; }

ScopedDecodeBudget::ScopedDecodeBudget(size_t bytes) : account(&Current()), previousLimit(account->limitBytes) {
    const size_t held = account->bytesInUse;
    account->limitBytes = held + bytes < held ? SIZE_MAX : held + bytes;
    ResetDecoderPeak();
}

ScopedDecodeBudget::~ScopedDecodeBudget() { account->limitBytes = previousLimit; }
