// Frames handed between the threads of a render: the decoder's reader, the render loop and
// the encoder's writer. Bounded, so that a fast side waits for a slow one.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

using FrameBytes = std::vector<uint8_t>;

class FrameQueue {
public:
    explicit FrameQueue(size_t capacity) : capacity(capacity) {}

    // Waits for room; false once the queue is closed, or on a stop signal when watchStop.
    bool Push(FrameBytes frame, bool watchStop);
    // For live pictures: never waits, the oldest frame gives way.
    void PushLatest(FrameBytes frame);
    // Waits for a frame; false once the queue is closed and empty, or on a stop signal when watchStop.
    bool Pop(FrameBytes* frame, bool watchStop);
    // Waits at most `milliseconds` for a frame.
    bool PopWithin(FrameBytes* frame, int milliseconds);
    // Wakes both sides; frames already queued can still be taken.
    void Close();

private:
    const size_t capacity;
    std::mutex lock;
    std::condition_variable changed;
    std::deque<FrameBytes> frames;
    bool closed = false;
};
