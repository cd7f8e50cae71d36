// Files the checks hand the plug-in as parameter texts: a small good picture, and the
// hostile paths a host may pass on from its user.
#pragma once

#include <string>
#include <vector>

// A 16x16 PNG in the folder, written once; its path.
std::string SmallPicture(const std::string& folder);

struct HostileText {
    std::string text;
    std::string shown;  // how the report names it
};

// Texts and paths for text and file parameters: empty, 64 KiB, bytes that are not UTF-8,
// a missing file, a folder, an empty and a garbage file, /dev/zero and a FIFO where the
// system has them. The FIFO comes last: a plug-in that blocks on it hangs the group.
std::vector<HostileText> HostileTexts(const std::string& folder);
