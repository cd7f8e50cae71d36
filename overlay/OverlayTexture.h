// The one form every overlay texture has: RGBA8, linear filtering, clamped edges, one level.
#pragma once

#include <cstdint>

// Uploads width x height RGBA pixels, bottom row first; leaves GL_TEXTURE_2D unbound.
uint32_t CreateOverlayTexture(int width, int height, const uint8_t* pixels);

// Deletes a non-zero name and zeroes it, so a second call does nothing.
void DeleteOverlayTexture(uint32_t& texture);
