// Which decoder a path goes to: the text from its last dot on, in any letter case.
#pragma once

#include <string>

// True when the text from the last '.' of the whole path to its end is ".gif" in any case;
// a dot in a folder name counts, so "my.folder/clip" is not a GIF.
bool HasGifExtension(const std::string& path);
