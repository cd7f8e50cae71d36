#include "overlay/OverlayLoader.h"

#include <algorithm>
#include <set>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Frames prepared ahead of the uploads: enough to keep the uploads busy, little memory.
constexpr size_t kMaxWaitingBytes = size_t{48} << 20;

// Every instance's loader, so that the library's shutdown can end all their threads.
std::mutex& RegistryMutex() {
    static std::mutex mutex;
    return mutex;
}
std::set<OverlayLoader*>& Registry() {
    static std::set<OverlayLoader*> loaders;
    return loaders;
}

// Gives the decode's large blocks back to the system at once, so that what stays resident
// after a load is the texture, not the freed peak.
void ReturnFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

}  // namespace

OverlayLoader::~OverlayLoader() { Stop(); }

void OverlayLoader::Request(const std::string& path, int maxSide) {
    std::vector<PreparedFrame> superseded;  // freed after the lock is let go
    {
        std::lock_guard<std::mutex> lock(mutex);
        request = path;
        requestSide = maxSide;
        ++generation;
        cancelled = true;  // the load in progress, if any; the thread clears it for this one
        superseded.swap(ready);
        outcome.reset();
        waitingBytes = 0;
        stopping = false;
    }
    wake.notify_all();
    busy = true;
    if (!thread.joinable()) {
        {
            std::lock_guard<std::mutex> lock(RegistryMutex());
            Registry().insert(this);
        }
        thread = std::thread(&OverlayLoader::Run, this);
    }
}

LoaderDelivery OverlayLoader::Collect() {
    LoaderDelivery delivery;
    {
        std::lock_guard<std::mutex> lock(mutex);
        delivery.frames.swap(ready);
        delivery.outcome.swap(outcome);
    }
    if (delivery.outcome) busy = false;
    return delivery;
}

void OverlayLoader::Uploaded(size_t bytes) {
    {
        std::lock_guard<std::mutex> lock(mutex);
        waitingBytes -= std::min(bytes, waitingBytes);
    }
    wake.notify_all();
}

void OverlayLoader::Stop() {
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
        cancelled = true;
        request.reset();
        ready.clear();
        outcome.reset();
    }
    wake.notify_all();
    if (thread.joinable()) thread.join();
    busy = false;
    std::lock_guard<std::mutex> lock(RegistryMutex());
    Registry().erase(this);
}

void OverlayLoader::StopAll() {
    std::vector<OverlayLoader*> loaders;
    {
        std::lock_guard<std::mutex> lock(RegistryMutex());
        loaders.assign(Registry().begin(), Registry().end());
    }
    for (OverlayLoader* loader : loaders) loader->Stop();
}

void OverlayLoader::Run() {
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return stopping || request; });
        if (stopping) return;
        const std::string path = std::move(*request);
        const int maxSide = requestSide;
        request.reset();
        const uint64_t job = generation;
        cancelled = false;
        lock.unlock();
        PreparedOutcome result = PrepareOverlay(path, maxSide, cancelled,
                                                [&](PreparedFrame&& frame) { return Deliver(job, std::move(frame)); });
        // Trimming takes a while; a load called off hurries back instead.
        if (!cancelled) ReturnFreedMemory();
        lock.lock();
        if (job == generation && !stopping) outcome = std::move(result);
    }
}

bool OverlayLoader::Deliver(uint64_t job, PreparedFrame&& frame) {
    std::unique_lock<std::mutex> lock(mutex);
    wake.wait(lock, [&] { return waitingBytes < kMaxWaitingBytes || job != generation || stopping; });
    if (job != generation || stopping) return false;
    waitingBytes += ChainBytes(frame.levels);
    ready.push_back(std::move(frame));
    return true;
}
