#include "platform/FileOpen.h"

#ifdef _WIN32
#include <windows.h>

#include <vector>

namespace {

// The path as UTF-16, or empty when its bytes are not valid UTF-8.
std::vector<wchar_t> WidePathFromUtf8(const char* path) {
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path, -1, nullptr, 0);
    if (length <= 0) return {};
    std::vector<wchar_t> wide(static_cast<size_t>(length));
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path, -1, wide.data(), length) != length) return {};
    return wide;
}

}  // namespace

std::FILE* OpenFileForReading(const char* path) {
    if (!path) return nullptr;
    const std::vector<wchar_t> wide = WidePathFromUtf8(path);
    if (!wide.empty()) return _wfopen(wide.data(), L"rb");
    return std::fopen(path, "rb");
}
#else
std::FILE* OpenFileForReading(const char* path) { return path ? std::fopen(path, "rb") : nullptr; }
#endif
