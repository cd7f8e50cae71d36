#include "host/Log.h"

namespace {
ffgl::LogCallback logCallback = nullptr;
}

void InstallLogCallback(ffgl::LogCallback callback) { logCallback = callback; }

void LogMessage(const char* text) {
    if (logCallback && text) logCallback(text);
}
