#include "tools/video/FrameQueue.h"

#include <chrono>

#include "tools/hostkit/StopSignals.h"

namespace {

// How often a waiting side looks at the stop signal.
constexpr auto kStopCheck = std::chrono::milliseconds(50);

}  // namespace

bool FrameQueue::Push(FrameBytes frame, bool watchStop) {
    std::unique_lock<std::mutex> held(lock);
    while (!closed && frames.size() >= capacity) {
        if (watchStop && StopSignal()) return false;
        changed.wait_for(held, kStopCheck);
    }
    if (closed) return false;
    frames.push_back(std::move(frame));
    changed.notify_all();
    return true;
}

void FrameQueue::PushLatest(FrameBytes frame) {
    std::lock_guard<std::mutex> held(lock);
    if (closed) return;
    while (frames.size() >= capacity) frames.pop_front();
    frames.push_back(std::move(frame));
    changed.notify_all();
}

bool FrameQueue::Pop(FrameBytes* frame, bool watchStop) {
    std::unique_lock<std::mutex> held(lock);
    while (frames.empty() && !closed) {
        if (watchStop && StopSignal()) return false;
        changed.wait_for(held, kStopCheck);
    }
    if (frames.empty()) return false;
    *frame = std::move(frames.front());
    frames.pop_front();
    changed.notify_all();
    return true;
}

bool FrameQueue::PopWithin(FrameBytes* frame, int milliseconds) {
    std::unique_lock<std::mutex> held(lock);
    changed.wait_for(held, std::chrono::milliseconds(milliseconds), [this] { return !frames.empty() || closed; });
    if (frames.empty()) return false;
    *frame = std::move(frames.front());
    frames.pop_front();
    changed.notify_all();
    return true;
}

void FrameQueue::Close() {
    std::lock_guard<std::mutex> held(lock);
    closed = true;
    changed.notify_all();
}
