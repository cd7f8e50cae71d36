#include "platform/FileOpen.h"

#ifdef _WIN32
#include "platform/WidePath.h"

std::FILE* OpenFileForReading(const char* path) {
    if (!path) return nullptr;
    const std::wstring wide = WidePathFromUtf8(path);
    if (!wide.empty()) return _wfopen(wide.c_str(), L"rb");
    return std::fopen(path, "rb");
}
#else
std::FILE* OpenFileForReading(const char* path) { return path ? std::fopen(path, "rb") : nullptr; }
#endif
