// What the loading thread makes of an overlay file, with no GL: the file read and checked,
// decoded, fitted to the texture size and cut into mipmap levels, frame by frame, with
// the log lines the render thread is to send once the outcome is known.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "overlay/PictureScale.h"

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

// Takes each frame as soon as it is ready; returning false calls the load off.
using PreparedFrameSink = std::function<bool(PreparedFrame&&)>;

// Reads, decodes and prepares the file, fitted within `maxSide`; a GIF hands over each
// frame before decoding the next. Once `cancelled` is set the work stops at its next
// step and fails.
PreparedOutcome PrepareOverlay(const std::string& path, int maxSide, const std::atomic<bool>& cancelled,
                               const PreparedFrameSink& sink);
