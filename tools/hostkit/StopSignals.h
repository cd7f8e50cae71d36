// The signals that ask a long run to stop (TERM, INT, HUP): caught, so that the run can end
// its children and close its output before it goes.
#pragma once

// Installs the handlers; from then on a stop signal only raises a flag.
void CatchStopSignals();
// The stop signal received so far, or 0.
int StopSignal();
// The signal's usual name ("SIGTERM").
const char* StopSignalName(int signal);
// After the clean-up: ends the process by the same signal, as if it had not been caught,
// so that the caller's shell sees what happened.
[[noreturn]] void EndByStopSignal(int signal);
// Writes to a full disk or past a file-size limit then fail with a reason instead of
// killing the process; pipes to a child that has gone fail the same way.
void IgnoreWriteSignals();
