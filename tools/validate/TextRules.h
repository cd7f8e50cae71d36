// The rules for texts a plug-in hands the host: terminated where they must be, padded
// fixed-width fields, UTF-8 where the record says so.
#pragma once

#include <cstddef>
#include <string>

// Texts longer than this are taken as unterminated.
constexpr size_t kLongestText = 1 << 17;

// The text at the pointer up to its terminator; false when none comes within the limit.
bool ReadTerminated(const char* text, size_t limit, std::string* read);

bool IsUtf8(const std::string& text);

// A fixed-width field: printable characters, then only zero bytes; empty when it is,
// else what is wrong ("byte 3 is 0x07").
std::string FixedFieldProblem(const char* field, size_t size, bool mayBeEmpty);

// A text as the report shows it: quoted, cut short, bytes outside ASCII as \xNN.
std::string Shown(const std::string& text);
