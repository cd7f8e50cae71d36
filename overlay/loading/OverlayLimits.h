// The limits an overlay file must keep before it is decoded. stb_image trusts the sizes a
// file claims, so a few hostile bytes could otherwise make it allocate gigabytes.
#pragma once

#include <cstddef>

constexpr size_t kMaxOverlayFileBytes = size_t{64} << 20;
constexpr int kMaxOverlaySide = 8192;
constexpr size_t kMaxAnimationFrames = 2048;
constexpr size_t kMaxAnimationBytes = size_t{512} << 20;  // all decoded frames together
