// The overlay's loading thread: one per instance, started by the first load. The render
// thread asks for a path and collects, once a frame, whatever is ready; the lock between
// them is only ever held to hand over a request or a finished frame, never while reading
// or decoding. A newer path calls the older load off, and its results never arrive.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "overlay/OverlayPreparation.h"

// What the render thread takes over in one frame, all of the latest request.
struct LoaderDelivery {
    std::vector<PreparedFrame> frames;
    std::optional<PreparedOutcome> outcome;  // the load is over
};

class OverlayLoader {
public:
    OverlayLoader() = default;
    ~OverlayLoader();
    OverlayLoader(const OverlayLoader&) = delete;
    OverlayLoader& operator=(const OverlayLoader&) = delete;

    // Starts loading `path` for textures within `maxSide`, calling off any load in progress.
    void Request(const std::string& path, int maxSide);
    // The frames prepared since the last call, and the outcome once the load is over.
    LoaderDelivery Collect();
    // The render thread has uploaded a collected frame of this many bytes: the loading
    // thread keeps at most a few frames' worth waiting, so memory stays bounded.
    void Uploaded(size_t bytes);
    // Calls off any load and ends the thread; a later Request starts a new one.
    void Stop();
    // Whether a load has been asked for and its outcome not yet collected.
    bool Busy() const { return busy; }

    // Ends the loading threads of every instance, for the library's global shutdown.
    static void StopAll();

private:
    void Run();
    bool Deliver(uint64_t job, PreparedFrame&& frame);

    std::thread thread;
    std::mutex mutex;
    std::condition_variable wake;
    // Guarded by mutex.
    std::optional<std::string> request;
    int requestSide = 0;
    uint64_t generation = 0;  // of the latest request
    std::vector<PreparedFrame> ready;
    std::optional<PreparedOutcome> outcome;
    size_t waitingBytes = 0;  // collected or not, not yet uploaded
    bool stopping = false;
    // Read by the load in progress at each step.
    std::atomic<bool> cancelled{false};
    bool busy = false;  // render thread only
};
