// Windows has no such signals for a console program to catch here: Ctrl-C ends it at once.
#include <cstdlib>

#include "tools/hostkit/StopSignals.h"

void CatchStopSignals() {}
int StopSignal() { return 0; }
const char* StopSignalName(int) { return "a signal"; }
void EndByStopSignal(int signal) { std::_Exit(128 + signal); }
void IgnoreWriteSignals() {}
