// Reading an overlay file whole, with every failure told apart, before any decoding.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

struct OverlayFile {
    bool opened = false;    // false: the file could not be opened at all
    bool complete = false;  // the whole file is in `bytes`
    std::vector<uint8_t> bytes;
    std::string problem;  // why an opened file could not be read whole
};

// Only regular files are read: anything else the path names (a directory, a FIFO, a
// device) is refused without blocking. Files above the overlay size limit are measured
// but not read. The read stops early once `cancelled` is set.
OverlayFile ReadOverlayFile(const std::string& path, const std::atomic<bool>* cancelled = nullptr);
