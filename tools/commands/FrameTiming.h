// Timing one frame of the bench: CPU time covers only the frame's own call, wall time
// also the GPU's work, up to glFinish's return.
#pragma once

#include <GL/glew.h>

#include <chrono>
#include <string>
#include <vector>

#include "tools/hostkit/HostPlatform.h"

template <typename Frame>
bool TimeFrame(Frame&& frame, std::vector<double>* wall, std::vector<double>* cpu, std::string* error) {
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = ThreadCpuMilliseconds();
    if (!frame(error)) return false;
    const double cpuEnd = ThreadCpuMilliseconds();
    glFinish();
    const auto end = std::chrono::steady_clock::now();
    wall->push_back(std::chrono::duration<double, std::milli>(end - start).count());
    cpu->push_back(cpuEnd - cpuStart);
    return true;
}
