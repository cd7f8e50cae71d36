#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <initializer_list>

#include "tools/hostkit/StopSignals.h"

namespace {

volatile sig_atomic_t received = 0;

void Remember(int signal) { received = signal; }

}  // namespace

void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = Remember;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a blocking wait returns early and the loop sees the flag.
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

int StopSignal() { return received; }

const char* StopSignalName(int signal) {
    return signal == SIGTERM ? "SIGTERM" : signal == SIGINT ? "SIGINT" : signal == SIGHUP ? "SIGHUP" : "a signal";
}

void EndByStopSignal(int signal) {
    ::signal(signal, SIG_DFL);
    raise(signal);
    _exit(128 + signal);
}

void IgnoreWriteSignals() {
    signal(SIGPIPE, SIG_IGN);
    signal(SIGXFSZ, SIG_IGN);
}
