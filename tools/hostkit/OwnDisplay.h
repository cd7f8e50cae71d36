// An X display for commands that draw: the user's own when DISPLAY is set, otherwise a
// virtual one (Xvfb) that the host starts as its child and ends when it ends.
#pragma once

#include <memory>
#include <string>

#include "tools/hostkit/ChildProcess.h"

class OwnDisplay {
public:
    OwnDisplay() = default;
    ~OwnDisplay() { Stop(); }
    OwnDisplay(const OwnDisplay&) = delete;
    OwnDisplay& operator=(const OwnDisplay&) = delete;

    // True with DISPLAY set, starting Xvfb first when it was not; false with a reason.
    bool Ensure(std::string* error);
    // Ends the virtual display, if this object started one.
    void Stop();

private:
    std::unique_ptr<ChildProcess> server;
};
