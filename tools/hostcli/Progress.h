// How far a render has come, on standard error: a line that updates itself on a terminal,
// plain lines now and then otherwise, and nothing for renders of about a second or less.
#pragma once

#include <chrono>
#include <string>

// "120/240 frames  29.8 fps  elapsed 0:04  ETA 0:04"; a total of 0 is unknown (no ETA).
std::string ProgressText(long done, long total, double elapsedSeconds);

// Whether a line is due: from one second on, every quarter second on a terminal and every
// five seconds otherwise. lastShown < 0: none shown yet.
bool ProgressDue(double elapsedSeconds, double lastShown, bool terminal);

class ProgressReport {
public:
    // quiet: nothing at all. The terminal is standard error's.
    ProgressReport(long total, bool quiet);
    void Frame(long done);
    // The final line, when the render took over a second.
    void Finish(long done);

private:
    double Elapsed() const;

    long total;
    bool quiet;
    bool terminal;
    double lastShown = -1.0;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
};
