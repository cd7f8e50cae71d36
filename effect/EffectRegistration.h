// How the host knows this plug-in: its registration and its preview picture, both handed
// over at library load, and the factory that makes the parameter prototype and every instance.
#pragma once

#include <cstdint>

class CFFGLPlugin;

// A new ZaqVigilomatronic on the heap, or null and failure.
uint32_t CreateInstance(CFFGLPlugin** instance);
