#include "tools/hostkit/OutputFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>

#include "platform/WidePath.h"
#else
#include <unistd.h>
#endif

namespace {

std::filesystem::path FileSystemPath(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

std::FILE* OpenForWriting(const std::string& path) {
#ifdef _WIN32
    const std::wstring wide = WidePathFromUtf8(path.c_str());
    if (!wide.empty()) return _wfopen(wide.c_str(), L"wb");
#endif
    return std::fopen(path.c_str(), "wb");
}

bool Failed(const std::string& path, int reason, std::string* error) {
    *error = "cannot write " + path + ": " + std::strerror(reason);
    return false;
}

}  // namespace

bool IsStandardOutput(const std::string& path) { return path == "-"; }

bool WriteOutputFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string* error) {
    if (IsStandardOutput(path)) {
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
        if (written && std::fflush(stdout) == 0) return true;
        *error = std::string("cannot write to standard output: ") + std::strerror(errno);
        return false;
    }
    if (!MakeParentFolder(path, error)) return false;
    std::FILE* file = OpenForWriting(path);
    // A file that could not be opened is not ours to remove.
    if (!file) return Failed(path, errno, error);
    errno = 0;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
    const int writeReason = errno;
    // The close can be the first to learn that the data did not fit.
    const bool closed = std::fclose(file) == 0;
    if (written && closed) return true;
    RemovePartialOutput(path);
    return Failed(path, !written && writeReason ? writeReason : errno ? errno : EIO, error);
}

bool MakeParentFolder(const std::string& path, std::string* error) {
    if (IsStandardOutput(path)) return true;
    const std::filesystem::path folder = FileSystemPath(path).parent_path();
    std::error_code failure;
    if (folder.empty() || std::filesystem::is_directory(folder, failure)) return true;
    if (std::filesystem::create_directories(folder, failure)) return true;
    *error = "cannot write " + path + ": " + failure.message();
    return false;
}

bool RemovePartialOutput(const std::string& path) {
    if (IsStandardOutput(path)) return false;
    // Only a plain file: a device such as /dev/full, or a pipe, is never the output's to remove.
    std::error_code ignored;
    return std::filesystem::is_regular_file(std::filesystem::symlink_status(FileSystemPath(path), ignored)) &&
           std::filesystem::remove(FileSystemPath(path), ignored);
}

int ReserveStandardOutput() {
    std::fflush(stdout);
#ifdef _WIN32
    const int data = _dup(1);
    _dup2(2, 1);
#else
    const int data = dup(1);
    dup2(2, 1);
#endif
    return data;
}
