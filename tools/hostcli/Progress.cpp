#include "tools/hostcli/Progress.h"

#include <cmath>
#include <cstdio>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#else
#include <unistd.h>
#endif

namespace {

constexpr double kFirstAfter = 1.0;
constexpr double kTerminalEvery = 0.25;
constexpr double kLinesEvery = 5.0;

std::string Clock(double seconds) {
    const long whole = std::lround(std::fmax(seconds, 0.0));
    char text[32];
    if (whole >= 3600)
        std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", whole / 3600, whole / 60 % 60, whole % 60);
    else
        std::snprintf(text, sizeof text, "%ld:%02ld", whole / 60, whole % 60);
    return text;
}

}  // namespace

std::string ProgressText(long done, long total, double elapsedSeconds) {
    const double fps = elapsedSeconds > 0.0 ? done / elapsedSeconds : 0.0;
    char rate[32];
    std::snprintf(rate, sizeof rate, "%.1f fps", fps);
    std::string text =
        total > 0 ? std::to_string(done) + "/" + std::to_string(total) + " frames" : std::to_string(done) + " frames";
    text += std::string("  ") + rate + "  elapsed " + Clock(elapsedSeconds);
    if (total > 0 && fps > 0.0) text += "  ETA " + Clock(static_cast<double>(total - done) / fps);
    return text;
}

bool ProgressDue(double elapsedSeconds, double lastShown, bool terminal) {
    if (elapsedSeconds < kFirstAfter) return false;
    return lastShown < 0.0 || elapsedSeconds - lastShown >= (terminal ? kTerminalEvery : kLinesEvery);
}

ProgressReport::ProgressReport(long total, bool quiet) : total(total), quiet(quiet), terminal(isatty(2) != 0) {}

double ProgressReport::Elapsed() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void ProgressReport::Frame(long done) {
    const double elapsed = Elapsed();
    if (quiet || !ProgressDue(elapsed, lastShown, terminal)) return;
    lastShown = elapsed;
    const std::string text = ProgressText(done, total, elapsed);
    // On a terminal the line is rewritten in place and cleared to its end.
    std::fprintf(stderr, terminal ? "\r%s\033[K" : "%s\n", text.c_str());
    std::fflush(stderr);
}

void ProgressReport::Finish(long done) {
    const double elapsed = Elapsed();
    if (quiet || elapsed < kFirstAfter) return;
    std::fprintf(stderr, terminal ? "\r%s\033[K\n" : "%s\n", ProgressText(done, 0, elapsed).c_str());
}
