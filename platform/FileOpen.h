// Opening a file named by an 8-bit path as the host passes it.
#pragma once

#include <cstdio>

// What a path turned out to name when it was opened.
enum class FileKind { Missing, Regular, Directory, Other };

// Opens path for binary reading, or returns null. It opens without blocking whatever the
// path names (a FIFO with no writer, a device) and keeps the handle only when that handle
// is a regular file, so a file swapped for something else in between cannot slip through;
// `kind` says what was found. On Windows a path that is valid UTF-8 goes through the
// wide-character API, so names with non-ASCII letters open; other bytes are taken in the
// system code page as before.
std::FILE* OpenFileForReading(const char* path, FileKind* kind = nullptr);
