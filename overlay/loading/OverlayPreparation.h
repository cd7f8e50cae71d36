// What the loading threads make of an overlay file, with no GL: the file read and checked,
// decoded, fitted to the texture size and cut into mipmap levels, frame by frame, with
// the log lines the render thread is to send once the outcome is known. The work comes in
// steps, so that a load can be put aside between any two and taken up on another thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "overlay/PictureScale.h"
#include "overlay/loading/DecodeBudget.h"

class AnimationDecode;

// One picture (a still, or one frame of a GIF) ready for its texture.
struct PreparedFrame {
    MipChain levels;
    int32_t delayMs = 0;  // a GIF frame's display time, above 0; 0 for a still
};

struct PreparedOutcome {
    bool succeeded = false;
    bool animated = false;  // by the path's extension: a GIF, even with one frame
    int width = 0;          // the file's picture, before fitting
    int height = 0;
    int frameCount = 0;
    std::vector<std::string> logLines;  // in order; for the host's log, from its thread
};

class OverlayPreparation {
public:
    // The file at `path`, fitted within `maxSide`; the first `skipFrames` frames of a GIF
    // are decoded but not prepared (a load taken up again after they were handed over).
    OverlayPreparation(std::string path, int maxSide, size_t skipFrames = 0);
    ~OverlayPreparation();
    OverlayPreparation(const OverlayPreparation&) = delete;
    OverlayPreparation& operator=(const OverlayPreparation&) = delete;

    // The next step: reading and checking the file, a still's decode, or one frame of a
    // GIF; what it prepares goes to `ready`. Once `stop` is set the step stops at its next
    // check and the load fails. False when the load is over: the outcome is then known.
    bool Step(const std::atomic<bool>& stop, std::vector<PreparedFrame>* ready);
    PreparedOutcome& Outcome() { return outcome; }
    // The pixels the next step decodes (0 before the file is read): the loading threads
    // take the smallest steps first.
    size_t NextStepPixels() const { return nextStepPixels; }

private:
    bool Open(const std::atomic<bool>& stop);
    bool PrepareStill(const std::atomic<bool>& stop, std::vector<PreparedFrame>* ready);
    bool PrepareGifFrame(const std::atomic<bool>& stop, std::vector<PreparedFrame>* ready);
    // Ends the load as failed, with the reason the checks gave before the failure line.
    bool Fail(const std::string& reason);

    const std::string path;
    const int maxSide;
    size_t skipFrames;
    DecodeAccount account;  // before the decodes that count against it
    bool opened = false;
    std::vector<uint8_t> stillBytes;
    std::unique_ptr<AnimationDecode> animation;
    size_t nextStepPixels = 0;
    PreparedOutcome outcome;
};
