// Counts the draw calls and buffer uploads the plug-in's code makes in this process. The
// test program defines glDrawArrays itself, so the plug-in's objects linked into it call
// the counter, which passes each call on to the system's GL library; uploads are counted
// by putting a counter in GLEW's pointer for glBufferSubData.
#pragma once

#include <cstdint>

struct FrameCalls {
    uint64_t draws = 0;
    uint64_t uploads = 0;
};

// Installs the upload counter; call with the context current, after GLEW is loaded.
void CountBufferUploads();
FrameCalls CountedCalls();
