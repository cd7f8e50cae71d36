// The texts the plug-in sends to the host's log, in order, for the object's life: from the
// plug-in's code in this process, or from a loaded library through its exported setter.
#pragma once

#include <string>
#include <vector>

#include "abi/ffgl_abi.h"
#include "host/Log.h"

class LogCapture {
public:
    explicit LogCapture(ffgl::SetLogCallbackFunc install = &InstallLogCallback) : install(install) {
        Lines().clear();
        if (install) install(&LogCapture::Receive);
    }
    ~LogCapture() {
        if (install) install(nullptr);
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const std::vector<std::string>& lines() const { return Lines(); }
    void Clear() { Lines().clear(); }

private:
    static std::vector<std::string>& Lines() {
        static std::vector<std::string> lines;
        return lines;
    }
    static void Receive(const char* text) { Lines().push_back(text); }

    ffgl::SetLogCallbackFunc install;
};
