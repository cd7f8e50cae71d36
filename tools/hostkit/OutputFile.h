// Files the host writes: every step checked, the close included, so that a full disk or a
// file-size limit is an error with the system's reason and never a truncated file. A file is
// written under a temporary name beside its own and renamed into place once complete, so
// that its name never holds half a file, even after the host is killed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// "-" names standard output.
bool IsStandardOutput(const std::string& path);

// Standard output, a device or a pipe: written as it stands, never renamed or removed.
bool WritesInPlace(const std::string& path);

// What tells a file apart from every other: its device and inode (its canonical path on
// Windows), so that names that lead to one file through links give the same; "" when missing.
std::string FileIdentity(const std::string& path);

// Writes the bytes to path (through a temporary file for a plain file); on failure nothing is
// left behind and the answer is "cannot write PATH: REASON".
bool WriteOutputFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string* error);

// Creates the folders the path's file goes into, when they are missing.
bool MakeParentFolder(const std::string& path, std::string* error);

// A new, empty file beside `path` for its contents until they are complete
// ("clip.mp4.1234-1.part"), made with the permissions a new file gets; "" with the reason.
std::string MakeTemporaryBeside(const std::string& path, std::string* error);

// Puts the complete temporary file in place of `path`: its data reach the disk first, so that
// not even a power cut leaves an empty file under the name. False with "cannot write PATH: REASON".
bool MoveIntoPlace(const std::string& temporary, const std::string& path, std::string* error);

// Removes a temporary file; errors are ignored.
void RemoveTemporary(const std::string& temporary);

// For data on standard output: a private copy of the descriptor, with descriptor 1 then
// pointing at standard error, so that stray prints cannot corrupt the data.
int ReserveStandardOutput();
