// The parameter prototype: one effect object made only to answer the host's questions
// that need no instance. It never gets GL objects.
#pragma once

#include <cstdint>

class CFFGLPlugin;

// Global initialisation: runs the registration's hook, then makes the prototype if it
// does not exist yet. 0, the hook's non-zero result, or failure.
uint32_t EnsurePrototype();
// The prototype, made on first need; null when it cannot be made.
CFFGLPlugin* Prototype();
// Global de-initialisation: destroys the prototype, runs the hook. 0, or failure when
// nothing is registered.
uint32_t ReleasePrototype();
