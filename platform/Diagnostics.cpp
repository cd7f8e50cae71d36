#include "platform/Platform.h"

#ifdef _WIN32
#include <windows.h>

void DebuggerOutput(const char* text) {
    OutputDebugStringA(text);
    OutputDebugStringA("\n");
}
#else
// Linux has no debugger channel; standard output, written by the caller, is the record.
void DebuggerOutput(const char*) {}
#endif
