// What differs between Windows and Linux: the diagnostic channel for shader errors.
#pragma once

// Sends text to the debugger channel (Windows) followed by a line feed; nothing on Linux.
void DebuggerOutput(const char* text);
