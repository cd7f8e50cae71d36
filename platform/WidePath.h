// Windows only: 8-bit path text as the wide-character API wants it.
#pragma once

#ifdef _WIN32
#include <windows.h>

#include <string>

// The path as UTF-16, or empty when its bytes are not valid UTF-8 (the caller then
// takes the narrow API, which reads them in the system code page).
inline std::wstring WidePathFromUtf8(const char* path) {
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path, -1, nullptr, 0);
    if (length <= 1) return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path, -1, wide.data(), length) != length) return {};
    wide.resize(static_cast<size_t>(length) - 1);  // the terminator counted in length
    return wide;
}
#endif
