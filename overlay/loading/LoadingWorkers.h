// The loading threads every instance shares, at most one per core. A load is split into
// steps (reading the file, a still's decode, one GIF frame), and a thread takes the waiting
// step that decodes the fewest pixels: small pictures come first. Large steps leave one
// core to the host and one thread to small steps, so that slow files never hold up the
// pictures behind them. A load whose prepared frames wait for its instance to upload them
// is put aside, holding no thread, until they are taken. Threads start when work comes and
// end after a while without any.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "overlay/loading/OverlayPreparation.h"

// One instance's load, shared by the instance and the threads.
struct LoadJob {
    LoadJob(std::string path, int maxSide) : path(std::move(path)), maxSide(maxSide) {}

    const std::string path;
    const int maxSide;
    // Calls off the step in progress: set when the instance lets the load go, or when
    // every thread is to end.
    std::atomic<bool> stop{false};
    // Only the thread running a step touches it; null until the first step.
    std::unique_ptr<OverlayPreparation> preparation;

    // The rest is guarded by the threads' lock.
    enum class State { Waiting, Running, Full, Over };
    State state = State::Waiting;
    bool wanted = true;           // false once the instance has let it go
    bool restart = false;         // its step was called off for a shutdown: start it again
    size_t framesHandedOver = 0;  // frames put into `ready` so far
    size_t nextStepPixels = 0;    // what the preparation says, for the next pick
    uint64_t order = 0;           // of submission, among steps of equal size
    std::vector<PreparedFrame> ready;
    std::optional<PreparedOutcome> outcome;
    size_t waitingBytes = 0;  // handed over, not yet uploaded
};

// What the render thread takes over in one frame, all of the latest request.
struct LoaderDelivery {
    std::vector<PreparedFrame> frames;
    std::optional<PreparedOutcome> outcome;  // the load is over
};

class LoadingWorkers {
public:
    static LoadingWorkers& Shared();

    void Submit(const std::shared_ptr<LoadJob>& job);
    // The load's results will not be collected: its step in progress stops, and a thread
    // frees what it held.
    void Cancel(const std::shared_ptr<LoadJob>& job);
    LoaderDelivery Collect(LoadJob& job);
    // Frames of `bytes` collected from `job` are uploaded: a load put aside continues.
    void Uploaded(const std::shared_ptr<LoadJob>& job, size_t bytes);
    // Ends every thread, calling off the steps in progress; loads that are still wanted
    // start again with the next call from their instance. For the library's global
    // shutdown, after which the library may be unloaded.
    void EndAllThreads();
    // The same when no load is wanted any more, waiting a few tens of milliseconds at
    // most: an instance's teardown then leaves no thread behind.
    void EndThreadsIfIdle();

    LoadingWorkers(const LoadingWorkers&) = delete;
    LoadingWorkers& operator=(const LoadingWorkers&) = delete;
    LoadingWorkers(LoadingWorkers&&) = delete;
    LoadingWorkers& operator=(LoadingWorkers&&) = delete;

private:
    struct Worker;
    LoadingWorkers();
    ~LoadingWorkers();

    std::shared_ptr<LoadJob> Pick();
    void Run(Worker* self);
    // Takes steps until there are none for this thread; the lock is not held.
    void Work(Worker* self);
    // Outside the lock. SIZE_MAX: go on; otherwise start again, skipping that many frames.
    void RunStep(LoadJob& job, size_t restartSkipping, std::vector<PreparedFrame>* frames, bool* more);
    // Hands the step's frames over and queues the next step; what is left in `frames` is
    // for the caller to free. True when the last load still wanted is over.
    bool Settle(const std::shared_ptr<LoadJob>& job, std::vector<PreparedFrame>* frames, bool more);
    // Wakes the threads for waiting work, and starts one when none is free; the lock is held.
    void EnsureWorker();
    void JoinEnded();
    // Calls off the steps in progress and wakes every thread to end; the lock is held.
    void BeginEnding();
    bool AllEnded() const;

    std::mutex mutex;
    std::condition_variable wake;   // work for the threads, or the end
    std::condition_variable ended;  // a thread has ended
    std::vector<std::shared_ptr<LoadJob>> waiting;
    std::vector<std::unique_ptr<Worker>> workers;
    size_t idle = 0;         // threads waiting for work
    size_t largeSteps = 0;   // running now
    size_t wantedLoads = 0;  // submitted, neither over nor called off
    uint64_t submitted = 0;
    bool ending = false;
    const size_t largeSlots;  // threads that may run large steps at once
};
