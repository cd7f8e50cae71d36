// The one form every overlay texture has: RGBA8, linear filtering, clamped edges, one level.
#pragma once

#include <cstdint>

// Uploads width x height RGBA pixels, bottom row first; leaves GL_TEXTURE_2D unbound. The
// caller owns the name and releases it with ReleaseTexture.
uint32_t CreateOverlayTexture(int width, int height, const uint8_t* pixels);
