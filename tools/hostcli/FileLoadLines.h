// How a plug-in tells in its log that a file parameter's load has ended, for hosts that
// wait for it: a line starting with `loaded` or `failed`; `failed` alone tells a failure.
#pragma once

struct FileLoadLines {
    const char* loaded;
    const char* failed;
};
