// Opening a file named by an 8-bit path as the host passes it.
#pragma once

#include <cstdio>

// Opens path for binary reading, or returns null. On Windows a path that is valid UTF-8
// goes through the wide-character API, so names with non-ASCII letters open; other
// bytes are taken in the system code page as before. Elsewhere this is plain fopen.
std::FILE* OpenFileForReading(const char* path);
