// GL takes a vertex attribute's offset into the bound buffer as a pointer.
#pragma once

#include <cstdint>

inline const void* ByteOffset(uintptr_t offset) { return reinterpret_cast<const void*>(offset); }
