#include "overlay/drawing/UploadAllowance.h"

#include <algorithm>

UploadAllowance& UploadAllowance::Shared() {
    static UploadAllowance shared;
    return shared;
}

void UploadAllowance::BeginFrame() {
    std::sort(asked.begin(), asked.end(), [](const Request& a, const Request& b) { return a.need < b.need; });
    planned.clear();
    reserved = 0;
    for (const Request& request : asked) {
        // The smallest goes first even when it needs more than the whole allowance.
        if (!planned.empty() && request.need > capacity - reserved) break;
        planned.push_back(request);
        reserved += std::min(request.need, capacity - reserved);
    }
    asked.clear();
    balance = capacity;
    wentBeyond = false;
}

UploadAllowance::Grant UploadAllowance::Ask(const void* who, size_t need, bool waitedLong) {
    std::lock_guard<std::mutex> lock(mutex);
    auto same = [who](const Request& request) { return request.who == who; };
    if (std::any_of(asked.begin(), asked.end(), same)) BeginFrame();
    asked.push_back({who, need});
    const auto mine = std::find_if(planned.begin(), planned.end(), same);
    const bool kept = mine != planned.end();
    if (kept) {
        // Its own share becomes what it may spend, with whatever no one has kept.
        reserved -= std::min(reserved, std::min(mine->need, capacity));
        planned.erase(mine);
    }
    const size_t free = balance - std::min(balance, reserved);
    const bool alone = kept && need > capacity;
    return {free, alone || (balance == capacity && reserved == 0) || (waitedLong && !wentBeyond)};
}

void UploadAllowance::Spend(size_t bytes, bool beyond) {
    std::lock_guard<std::mutex> lock(mutex);
    balance -= std::min(bytes, balance);
    wentBeyond = wentBeyond || beyond;
}
