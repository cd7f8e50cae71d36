#include "overlay/loading/LoadingWorkers.h"

#include <algorithm>
#include <chrono>
#include <thread>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "platform/ThreadName.h"

namespace {

// A step that decodes more than a 2048 x 2048 picture is large. One core is left to the
// host for large steps (when there are two or more), and one thread more than those takes
// only small steps, so that small pictures never wait behind large ones.
constexpr size_t kLargeStepPixels = size_t{2048} * 2048;
// Frames prepared ahead of one load's uploads: enough to keep them busy, little memory.
constexpr size_t kMaxWaitingBytes = size_t{48} << 20;
// How long a thread without work waits for more before it ends.
constexpr auto kLinger = std::chrono::seconds(2);
// How long an instance's teardown waits for the threads to end.
constexpr auto kTeardownWait = std::chrono::milliseconds(50);

bool Large(const LoadJob& job) { return job.nextStepPixels > kLargeStepPixels; }

bool Before(const LoadJob& a, const LoadJob& b) {
    return a.nextStepPixels != b.nextStepPixels ? a.nextStepPixels < b.nextStepPixels : a.order < b.order;
}

// Gives the decode's large blocks back to the system at once, so that what stays resident
// after a load is the texture, not the freed peak.
void ReturnFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

}  // namespace

struct LoadingWorkers::Worker {
    std::thread thread;
    LoadJob* current = nullptr;  // the job whose step it runs
    bool finished = false;
};

LoadingWorkers& LoadingWorkers::Shared() {
    static LoadingWorkers shared;
    return shared;
}

LoadingWorkers::LoadingWorkers() : largeSlots(std::max(2u, std::thread::hardware_concurrency()) - 1) {}

// At the library's unload or the process's exit.
LoadingWorkers::~LoadingWorkers() {
#ifdef _WIN32
    // Windows has ended every other thread before a process's exit gets here, and a library
    // being unloaded cannot wait for a thread to end: its threads are let go.
    for (const std::unique_ptr<Worker>& worker : workers)
        if (worker->thread.joinable()) worker->thread.detach();
#else
    EndAllThreads();
#endif
}

void LoadingWorkers::Submit(const std::shared_ptr<LoadJob>& job) {
    std::lock_guard<std::mutex> lock(mutex);
    ending = false;
    job->order = ++submitted;
    ++wantedLoads;
    waiting.push_back(job);
    EnsureWorker();
}

void LoadingWorkers::Cancel(const std::shared_ptr<LoadJob>& job) {
    std::lock_guard<std::mutex> lock(mutex);
    if (job->wanted && job->state != LoadJob::State::Over) --wantedLoads;
    job->wanted = false;
    job->stop = true;
    // A thread frees what it holds, not the render thread.
    const bool holding =
        job->state == LoadJob::State::Full || (job->state == LoadJob::State::Over && !job->ready.empty());
    if (!holding) return;
    job->state = LoadJob::State::Waiting;
    waiting.push_back(job);
    EnsureWorker();
}

LoaderDelivery LoadingWorkers::Collect(LoadJob& job) {
    LoaderDelivery delivery;
    std::lock_guard<std::mutex> lock(mutex);
    delivery.frames.swap(job.ready);
    delivery.outcome.swap(job.outcome);
    // After a global shutdown, the first call of an instance whose load goes on.
    if (AllEnded()) EnsureWorker();
    return delivery;
}

void LoadingWorkers::Uploaded(const std::shared_ptr<LoadJob>& job, size_t bytes) {
    std::lock_guard<std::mutex> lock(mutex);
    job->waitingBytes -= std::min(bytes, job->waitingBytes);
    if (job->state != LoadJob::State::Full || job->waitingBytes >= kMaxWaitingBytes) return;
    job->state = LoadJob::State::Waiting;
    waiting.push_back(job);
    EnsureWorker();
}

void LoadingWorkers::EndAllThreads() {
    std::unique_lock<std::mutex> lock(mutex);
    BeginEnding();
    ended.wait(lock, [this] { return AllEnded(); });
    JoinEnded();
    ending = false;
}

void LoadingWorkers::EndThreadsIfIdle() {
    std::unique_lock<std::mutex> lock(mutex);
    if (wantedLoads > 0) return;
    BeginEnding();
    // A step the decoder cannot break off (a huge GIF frame) may run on: its thread ends
    // right after it, and the next load ends the ending.
    const bool all = ended.wait_for(lock, kTeardownWait, [this] { return AllEnded(); });
    JoinEnded();
    if (all) ending = false;
}

void LoadingWorkers::BeginEnding() {
    ending = true;
    for (const std::unique_ptr<Worker>& worker : workers)
        if (worker->current) worker->current->stop = true;
    wake.notify_all();
}

bool LoadingWorkers::AllEnded() const {
    return std::all_of(workers.begin(), workers.end(), [](const auto& worker) { return worker->finished; });
}

void LoadingWorkers::EnsureWorker() {
    if (waiting.empty() || ending) return;
    wake.notify_all();
    JoinEnded();
    if (waiting.size() <= idle || workers.size() > largeSlots) return;
    auto worker = std::make_unique<Worker>();
    try {
        worker->thread = std::thread(&LoadingWorkers::Run, this, worker.get());
        workers.push_back(std::move(worker));
    } catch (const std::exception&) {
        // No thread to be had now: the threads there are, or the next call, take the work.
    }
}

void LoadingWorkers::JoinEnded() {
    for (auto it = workers.begin(); it != workers.end();) {
        if (!(*it)->finished) {
            ++it;
            continue;
        }
        (*it)->thread.join();  // it has let go of the lock and is only returning
        it = workers.erase(it);
    }
}

// Unwanted loads first, to free what they hold; then the smallest step a thread may take.
std::shared_ptr<LoadJob> LoadingWorkers::Pick() {
    auto best = waiting.end();
    for (auto it = waiting.begin(); it != waiting.end(); ++it) {
        const LoadJob& job = **it;
        if (!job.wanted) {
            best = it;
            break;
        }
        if (ending || (Large(job) && largeSteps >= largeSlots)) continue;
        if (best == waiting.end() || Before(job, **best)) best = it;
    }
    if (best == waiting.end()) return {};
    std::shared_ptr<LoadJob> job = std::move(*best);
    waiting.erase(best);
    return job;
}

void LoadingWorkers::Run(Worker* self) {
    NameCurrentThread("vigil-overlay");
    try {
        Work(self);
    } catch (const std::exception&) {
        // Out of memory in the threads' own bookkeeping: this thread ends, the others go on.
    }
    std::lock_guard<std::mutex> lock(mutex);
    self->current = nullptr;
    self->finished = true;
    ended.notify_all();
}

void LoadingWorkers::Work(Worker* self) {
    std::unique_lock<std::mutex> lock(mutex);
    auto lingerUntil = std::chrono::steady_clock::now() + kLinger;
    bool lingered = false;
    for (;;) {
        std::shared_ptr<LoadJob> job = Pick();
        if (!job) {
            if (ending || lingered) break;
            ++idle;
            lingered = wake.wait_until(lock, lingerUntil) == std::cv_status::timeout;
            --idle;
            continue;
        }
        const bool large = job->wanted && Large(*job);
        largeSteps += large ? 1 : 0;
        const bool wanted = job->wanted, restart = job->restart;
        const size_t handedOver = job->framesHandedOver;
        job->restart = false;
        job->state = LoadJob::State::Running;
        self->current = job.get();
        lock.unlock();

        std::vector<PreparedFrame> frames;
        bool more = false;
        if (wanted) RunStep(*job, restart ? handedOver : SIZE_MAX, &frames, &more);

        lock.lock();
        self->current = nullptr;
        largeSteps -= large ? 1 : 0;
        const bool trim = Settle(job, &frames, more);
        lock.unlock();
        // What was not handed over, and a load no one holds any more, are freed outside the lock.
        frames.clear();
        job.reset();
        if (trim) ReturnFreedMemory();
        lock.lock();
        lingerUntil = std::chrono::steady_clock::now() + kLinger;
        lingered = false;
    }
}

void LoadingWorkers::RunStep(LoadJob& job, size_t restartSkipping, std::vector<PreparedFrame>* frames, bool* more) {
    try {
        if (!job.preparation || restartSkipping != SIZE_MAX)
            job.preparation = std::make_unique<OverlayPreparation>(job.path, job.maxSide,
                                                                   restartSkipping == SIZE_MAX ? 0 : restartSkipping);
        *more = job.preparation->Step(job.stop, frames);
    } catch (const std::exception&) {
        // Out of memory before the step could begin: the load fails without a word.
        job.preparation.reset();
        *more = false;
    }
}

bool LoadingWorkers::Settle(const std::shared_ptr<LoadJob>& job, std::vector<PreparedFrame>* frames, bool more) {
    LoadJob& j = *job;
    if (!j.wanted) {
        for (PreparedFrame& frame : j.ready) frames->push_back(std::move(frame));
        j.ready.clear();
        j.state = LoadJob::State::Over;
        return false;
    }
    const bool succeeded = more || (j.preparation && j.preparation->Outcome().succeeded);
    if (j.stop.exchange(false) && !succeeded) {
        // Called off by a shutdown while still wanted: it starts again, skipping the frames
        // already handed over.
        j.restart = true;
        j.state = LoadJob::State::Waiting;
        waiting.push_back(job);
        return false;
    }
    for (PreparedFrame& frame : *frames) {
        j.waitingBytes += ChainBytes(frame.levels);
        j.ready.push_back(std::move(frame));
        ++j.framesHandedOver;
    }
    frames->clear();
    if (!more) {
        j.outcome = j.preparation ? std::move(j.preparation->Outcome()) : PreparedOutcome{};
        j.state = LoadJob::State::Over;
        // Trimming the heap holds its locks a while: once, after the last of a batch of loads.
        return --wantedLoads == 0;
    }
    j.nextStepPixels = j.preparation->NextStepPixels();
    j.state = j.waitingBytes >= kMaxWaitingBytes ? LoadJob::State::Full : LoadJob::State::Waiting;
    if (j.state == LoadJob::State::Waiting) waiting.push_back(job);
    return false;
}
