#include "platform/FileOpen.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "platform/WidePath.h"

namespace {

HANDLE OpenHandle(const char* path) {
    // Backup semantics let a directory open too, so that it can be named as one.
    constexpr DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const std::wstring wide = WidePathFromUtf8(path);
    if (!wide.empty())
        return CreateFileW(wide.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                           nullptr);
    return CreateFileA(path, GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

FileKind KindOf(HANDLE handle) {
    if (GetFileType(handle) != FILE_TYPE_DISK) return FileKind::Other;  // pipes, consoles, devices
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(handle, &info)) return FileKind::Other;
    return (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? FileKind::Directory : FileKind::Regular;
}

}  // namespace

std::FILE* OpenFileForReading(const char* path, FileKind* kind) {
    FileKind found = FileKind::Missing;
    std::FILE* file = nullptr;
    const HANDLE handle = path ? OpenHandle(path) : INVALID_HANDLE_VALUE;
    if (handle != INVALID_HANDLE_VALUE) {
        found = KindOf(handle);
        const int descriptor = found == FileKind::Regular
                                   ? _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY)
                                   : -1;
        if (descriptor < 0)
            CloseHandle(handle);
        else if (!(file = _fdopen(descriptor, "rb")))
            _close(descriptor);  // closes the handle too
    }
    if (kind) *kind = found;
    return file;
}
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::FILE* OpenFileForReading(const char* path, FileKind* kind) {
    FileKind found = FileKind::Missing;
    std::FILE* file = nullptr;
    const int descriptor = path ? open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC) : -1;
    if (descriptor >= 0) {
        struct stat info {};
        found = fstat(descriptor, &info) != 0 ? FileKind::Other
                : S_ISREG(info.st_mode)       ? FileKind::Regular
                : S_ISDIR(info.st_mode)       ? FileKind::Directory
                                              : FileKind::Other;
        // A regular file reads the same with or without O_NONBLOCK.
        if (found == FileKind::Regular) file = fdopen(descriptor, "rb");
        if (!file) close(descriptor);
    }
    if (kind) *kind = found;
    return file;
}
#endif
