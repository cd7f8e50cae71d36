#include "tools/hostcli/FramePath.h"

#include <cctype>
#include <cstdio>

bool FramePath::Parse(const std::string& name, std::string* error) {
    pattern = name;
    everyFrame = false;
    // The name becomes a printf format: only one integer conversion may reach it.
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] != '%') continue;
        size_t j = i + 1;
        if (j < name.size() && name[j] == '%') {
            i = j;
            continue;
        }
        while (j < name.size() && (name[j] == '0' || name[j] == '-' || name[j] == '+' || name[j] == ' ')) ++j;
        size_t digits = 0;
        while (j < name.size() && std::isdigit(static_cast<unsigned char>(name[j]))) ++j, ++digits;
        if (j >= name.size() || name[j] != 'd' || digits > 2 || everyFrame) {
            *error = "the output name \"" + name + "\" may hold one frame number such as %04d and nothing else after %";
            return false;
        }
        everyFrame = true;
        i = j;
    }
    return true;
}

std::string FramePath::ForFrame(int frameNumber) const {
    if (!everyFrame) {
        // A plain name is used as it stands, "%%" included.
        return pattern;
    }
    char text[4096];
    std::snprintf(text, sizeof text, pattern.c_str(), frameNumber);
    return text;
}
