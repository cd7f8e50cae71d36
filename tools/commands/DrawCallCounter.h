// The draw calls made in vigil-host's process, counted for the bench.
#pragma once

#include <cstdint>

// Draw calls (glDrawArrays, glDrawElements) any code in the process has made so far;
// DrawCallsCounted says whether this build counts them at all.
uint64_t DrawCallCount();
bool DrawCallsCounted();
