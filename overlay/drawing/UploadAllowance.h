// The pixels every instance together may upload to overlay textures in one frame of the
// host, however many load at once: a frame that draws thirty instances pays no more for
// their pictures than a frame that draws one. A host frame is over when an instance that
// has already asked for its share asks again. Small pictures come first: the instances
// that needed least in the last frame, as many as the allowance holds, have their needs
// kept for them; the others share what is left.
#pragma once

#include <cstddef>
#include <mutex>
#include <vector>

// About a millisecond of the render thread on a software rasteriser, where uploading a
// MiB takes about 0.15 ms.
constexpr size_t kUploadBytesPerFrame = size_t{6} << 20;

class UploadAllowance {
public:
    explicit UploadAllowance(size_t bytesPerFrame = kUploadBytesPerFrame) : capacity(bytesPerFrame) {}

    struct Grant {
        size_t bytes = 0;     // may be spent now
        bool beyond = false;  // one step that costs more than `bytes` may still be taken
    };
    // What the instance `who`, with `need` bytes' worth of uploads waiting, may spend now.
    // One step beyond the allowance (a texture that costs more than all of it) is granted
    // to the first to spend in a frame, to the smallest need when even that exceeds the
    // whole allowance, or to an instance that has `waitedLong` while no other went beyond
    // in this frame, so that no picture starves.
    Grant Ask(const void* who, size_t need, bool waitedLong);
    void Spend(size_t bytes, bool wentBeyond);

    // The one allowance of the process.
    static UploadAllowance& Shared();

private:
    struct Request {
        const void* who;
        size_t need;
    };
    // Keeps the smallest needs of the frame that ended for the one that begins.
    void BeginFrame();

    std::mutex mutex;  // hosts may draw instances from more than one thread
    const size_t capacity;
    size_t balance = capacity;
    size_t reserved = 0;           // kept for `planned`, not yet asked for
    bool wentBeyond = false;       // in this frame
    std::vector<Request> asked;    // in this frame
    std::vector<Request> planned;  // served first in this frame
};
