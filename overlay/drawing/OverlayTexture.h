// The one form every overlay texture has: RGBA8, a full chain of mipmap levels sampled
// trilinearly, clamped edges. Textures are made empty and filled a band of rows at a
// time, so that no frame waits for a whole picture.
#pragma once

#include <cstdint>

#include "overlay/PictureScale.h"

// How textures get their memory: at once, immutable, where the context has it (GL 4.2 or
// ARB_texture_storage), so that the driver need not gather the levels at the first draw;
// else level by level, as GL 4.1 makes them.
enum class TextureStorage { LevelByLevel, Immutable };

// Room for every level of `chain`, no pixels yet; leaves GL_TEXTURE_2D unbound. The
// caller owns the name and releases it with ReleaseTexture.
uint32_t CreateOverlayTexture(const MipChain& chain, TextureStorage storage);

// Uploads rows [firstRow, firstRow + rowCount) of level `index`, rows counted from the
// bottom; leaves GL_TEXTURE_2D unbound. The unpack state must be GL's default.
void UploadOverlayRows(uint32_t texture, int index, const MipLevel& level, int firstRow, int rowCount);
