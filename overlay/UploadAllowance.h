// The pixels every instance together may upload to overlay textures in a sixtieth of a
// second, however many load at once and whatever the host's frame rate: a frame that
// draws thirty instances pays no more for their pictures than a frame that draws one.
// The allowance refills with time, never beyond one sixtieth's worth.
#pragma once

#include <chrono>
#include <cstddef>
#include <mutex>

// About a millisecond of the render thread on a software rasteriser, where uploading a
// MiB takes about 0.15 ms.
constexpr size_t kUploadBytesPerFrame = size_t{6} << 20;

class UploadAllowance {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kPeriod = std::chrono::microseconds(16667);

    explicit UploadAllowance(size_t bytesPerPeriod = kUploadBytesPerFrame) : capacity(bytesPerPeriod) {}

    struct Grant {
        size_t bytes = 0;     // may be spent now
        bool beyond = false;  // one step that costs more than `bytes` may still be taken
    };
    // What a caller may spend now. One step beyond the allowance (a texture that costs
    // more than it all) is granted when the allowance is full, or to a caller that has
    // `waitedLong` once a period, so that others spending a little cannot starve it.
    Grant Ask(Clock::time_point now, bool waitedLong);
    void Spend(Clock::time_point now, size_t bytes, bool wentBeyond);

    // The one allowance of the process.
    static UploadAllowance& Shared();

private:
    void Refill(Clock::time_point now);

    std::mutex mutex;  // hosts may draw instances from more than one thread
    const size_t capacity;
    size_t balance = capacity;
    Clock::time_point refilled{};
    Clock::time_point lastBeyond{};
};
