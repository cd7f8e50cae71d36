// What the headless host needs from the operating system beyond the GL context.
#pragma once

#include <string>
#include <vector>

// The arguments after the program name, as UTF-8 (on Windows read from the wide command
// line, since the narrow argv loses letters outside the code page).
std::vector<std::string> CommandArguments(int argc, char** argv);

// CPU time the calling thread has used, in milliseconds.
double ThreadCpuMilliseconds();

// The process's resident memory now, and the most it has held since the last reset (or
// since it started, where the system cannot reset that mark). 0 where unknown.
struct ResidentMemory {
    size_t current = 0;
    size_t peak = 0;
};
ResidentMemory ResidentBytes();
void ResetPeakResident();

// The threads the process holds now; 0 where unknown.
int ProcessThreadCount();
