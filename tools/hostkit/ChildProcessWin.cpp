// The Windows host runs no helper programs: video and the live window are Linux features.
#include "tools/hostkit/ChildProcess.h"

ChildProcess::~ChildProcess() = default;

bool ChildProcess::Start(const std::vector<std::string>& arguments, const ChildPipes&, std::string* error) {
    *error =
        "running " + (arguments.empty() ? std::string("a program") : arguments[0]) + " is not available on Windows";
    return false;
}

void ChildProcess::CloseInput() {}
void ChildProcess::CloseOutput() {}
void ChildProcess::Terminate() {}
void ChildProcess::Kill() {}
int ChildProcess::Wait() { return status; }
std::string ChildProcess::ErrorText() const { return {}; }
