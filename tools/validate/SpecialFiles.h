// The special files a hostile host may name, where the system has them.
#pragma once

#include <string>

// Makes a named pipe at the path; false where the system has none.
bool MakeFifo(const std::string& path);

// A file that never ends when read; null where the system has none.
const char* EndlessFile();
