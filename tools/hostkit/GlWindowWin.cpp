// The live window is a Linux feature: on Windows, play answers that it is not available.
#include "tools/hostkit/GlWindow.h"

std::unique_ptr<GlWindow> GlWindow::Open(int, int, const std::string&, std::string* error) {
    *error = "play is not available on Windows";
    return nullptr;
}
