// What the current context can draw, asked once at set-up.
#pragma once

// Whether glLineWidth above 1 draws wider lines. A forward-compatible context (and so
// every macOS host) refuses such widths with GL_INVALID_VALUE, though it may still
// report a wider range; a context whose aliased range stops at 1 draws them 1 wide.
bool ContextDrawsWideLines();

// Whether textures can be given immutable storage (glTexStorage2D): core since GL 4.2,
// and in any context with ARB_texture_storage.
bool ContextHasTextureStorage();

// The current viewport's size in pixels, at least 1 each way.
struct ViewportSize {
    float width = 1.0f;
    float height = 1.0f;
};
ViewportSize CurrentViewportSize();
