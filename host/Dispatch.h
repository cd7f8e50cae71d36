// plugMain's dispatch on the function code. May throw; the exported entry catches.
#pragma once

#include <cstdint>

uint64_t Dispatch(uint32_t code, uint64_t input, void* handle);
