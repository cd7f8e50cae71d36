#include "overlay/UploadAllowance.h"

#include <algorithm>

UploadAllowance& UploadAllowance::Shared() {
    static UploadAllowance shared;
    return shared;
}

void UploadAllowance::Refill(Clock::time_point now) {
    if (now <= refilled) return;
    const double periods = std::chrono::duration<double>(now - refilled) / kPeriod;
    const double gained = periods * static_cast<double>(capacity);
    balance = gained >= static_cast<double>(capacity - balance) ? capacity : balance + static_cast<size_t>(gained);
    refilled = now;
}

UploadAllowance::Grant UploadAllowance::Ask(Clock::time_point now, bool waitedLong) {
    std::lock_guard<std::mutex> lock(mutex);
    Refill(now);
    return {balance, balance == capacity || (waitedLong && now - lastBeyond >= kPeriod)};
}

void UploadAllowance::Spend(Clock::time_point now, size_t bytes, bool wentBeyond) {
    std::lock_guard<std::mutex> lock(mutex);
    balance -= std::min(bytes, balance);
    if (wentBeyond) lastBeyond = now;
}
