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

// The current viewport: its lower left corner in window pixels and its size.
struct ViewportRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
ViewportRect CurrentViewport();

// Whether the context compiles shaders on threads of its own when asked
// (GL_KHR_parallel_shader_compile or GL_ARB_parallel_shader_compile), so that a program
// can be polled for GL_COMPLETION_STATUS_KHR instead of waited for.
bool ContextCompilesInParallel();
