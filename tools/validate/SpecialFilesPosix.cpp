#include <sys/stat.h>

#include "tools/validate/SpecialFiles.h"

bool MakeFifo(const std::string& path) { return mkfifo(path.c_str(), 0600) == 0; }

const char* EndlessFile() { return "/dev/zero"; }
