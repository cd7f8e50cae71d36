// What the wire contract says of each function code, as the validator holds a
// plug-in to it.
#pragma once

#include <cstdint>
#include <string>

// "code 17 (process frame)".
std::string CodeText(uint32_t code);

// Codes that work on an instance; without one the answer must be failure.
bool NeedsInstance(uint32_t code);

// Codes whose input is a record; a null one must be refused.
bool TakesRecord(uint32_t code);

// Codes that answer a pointer; null is their refusal.
bool AnswersPointer(uint32_t code);
