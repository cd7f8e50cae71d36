// On Windows draw calls go straight to opengl32.dll, which the host cannot interpose.
#include "tools/commands/DrawCallCounter.h"

uint64_t DrawCallCount() { return 0; }
bool DrawCallsCounted() { return false; }
