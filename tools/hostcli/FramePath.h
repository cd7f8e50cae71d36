// Output names for rendered frames: a plain name gets only the last frame, a name with
// one frame-number pattern ("frame_%04d.png") gets every frame.
#pragma once

#include <string>

struct FramePath {
    std::string pattern;
    bool everyFrame = false;

    // False when the name holds a pattern other than one %d with flags and width (and %%).
    bool Parse(const std::string& name, std::string* error);
    std::string ForFrame(int frameNumber) const;
};
