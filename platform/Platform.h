// What differs between Windows and Linux: the diagnostic channel for shader errors, and
// the clock that times work on the render thread.
#pragma once

// Sends text to the debugger channel (Windows) followed by a line feed; nothing on Linux.
void DebuggerOutput(const char* text);

// Milliseconds of CPU time the calling thread has used (Linux, macOS). Windows counts a
// thread's times in scheduler ticks, too coarse for work of a millisecond or two: there
// it is the elapsed time instead.
double ThreadMilliseconds();
