// Frames are megabytes. The C library hands blocks that large out as fresh mappings and
// gives them back on free, so every frame would cost a page fault per 4 KiB touched, in the
// host and in each ffmpeg it runs; kept for reuse instead, they cost nothing after the first.
#pragma once

#include <string>
#include <vector>

// Keeps this process's frame-sized blocks for reuse.
void KeepFrameMemory();

// The environment entries that do the same for an ffmpeg the host starts.
std::vector<std::string> FrameMemoryEnvironment();
