// Reading an overlay file whole, with every failure told apart, before any decoding.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct OverlayFile {
    bool opened = false;    // false: the file could not be opened at all
    bool complete = false;  // the whole file is in `bytes`
    std::vector<uint8_t> bytes;
    std::string problem;  // why an opened file could not be read whole
};

// Files above the overlay size limit are measured but not read.
OverlayFile ReadOverlayFile(const std::string& path);
