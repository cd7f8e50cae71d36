// An instance's overlay loads, run by the loading threads every instance shares. The
// render thread asks for a path and collects, once a frame, whatever is ready; the lock
// between them is only ever held to hand over a request or a finished frame, never while
// reading or decoding. A newer path calls the older load off, and its results never arrive.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "overlay/loading/LoadingWorkers.h"

class OverlayLoader {
public:
    OverlayLoader() = default;
    // Calls off any load, without waiting for a thread.
    ~OverlayLoader() { CallOff(); }
    OverlayLoader(const OverlayLoader&) = delete;
    OverlayLoader& operator=(const OverlayLoader&) = delete;

    // Starts loading `path` for textures within `maxSide`, calling off any load in progress.
    void Request(const std::string& path, int maxSide);
    // The frames prepared since the last call, and the outcome once the load is over.
    LoaderDelivery Collect();
    // The render thread has uploaded a collected frame of this many bytes: a load keeps at
    // most a few frames' worth waiting, so memory stays bounded.
    void Uploaded(size_t bytes);
    // Calls off any load at once; its step in progress stops on a loading thread. When no
    // other load is wanted, the loading threads end too, waited for a few tens of
    // milliseconds at most, so that a host may unload the library once its instances are gone.
    void Stop();
    // Whether a load has been asked for and its outcome not yet collected.
    bool Busy() const { return job != nullptr; }

    // Ends every loading thread, for the library's global shutdown; the loads of live
    // instances go on from their next frame.
    static void EndAllThreads() { LoadingWorkers::Shared().EndAllThreads(); }

private:
    void CallOff();

    std::shared_ptr<LoadJob> job;  // of the latest request, until its outcome is collected
};
