#include "tools/validate/SpecialFiles.h"

bool MakeFifo(const std::string&) { return false; }

const char* EndlessFile() { return nullptr; }
