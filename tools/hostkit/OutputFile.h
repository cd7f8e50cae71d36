// Files the host writes: every step checked, the close included, so that a full disk or a
// file-size limit is an error with the system's reason and never a truncated file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// "-" names standard output.
bool IsStandardOutput(const std::string& path);

// Writes the bytes to path; on failure removes the partial file and answers
// "cannot write PATH: REASON".
bool WriteOutputFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string* error);

// Creates the folders the path's file goes into, when they are missing.
bool MakeParentFolder(const std::string& path, std::string* error);

// Removes a partial output: a plain file, never standard output or a device. Errors are
// ignored, the first error stands. True when a file was removed.
bool RemovePartialOutput(const std::string& path);

// For data on standard output: a private copy of the descriptor, with descriptor 1 then
// pointing at standard error, so that stray prints cannot corrupt the data.
int ReserveStandardOutput();
