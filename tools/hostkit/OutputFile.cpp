#include "tools/hostkit/OutputFile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <process.h>

#include "platform/WidePath.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
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

int ProcessId() {
#ifdef _WIN32
    return _getpid();
#else
    return static_cast<int>(getpid());
#endif
}

// Flushes the file's data to the disk; errno on failure.
int FlushToDisk(const std::string& path) {
#ifdef _WIN32
    (void)path;
    return 0;  // Windows' rename is not reordered before the data it follows
#else
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    const int reason = fsync(fd) == 0 ? 0 : errno;
    close(fd);
    return reason;
#endif
}

}  // namespace

bool IsStandardOutput(const std::string& path) { return path == "-"; }

bool WritesInPlace(const std::string& path) {
    std::error_code failure;
    const auto status = std::filesystem::status(FileSystemPath(path), failure);
    return IsStandardOutput(path) || (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status));
}

std::string FileIdentity(const std::string& path) {
    if (IsStandardOutput(path)) return "";
#ifdef _WIN32
    std::error_code failure;
    const std::filesystem::path canonical = std::filesystem::canonical(FileSystemPath(path), failure);
    return failure ? "" : canonical.string();
#else
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) return "";
    return std::to_string(status.st_dev) + ":" + std::to_string(status.st_ino);
#endif
}

bool WriteOutputFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string* error) {
    if (IsStandardOutput(path)) {
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
        if (written && std::fflush(stdout) == 0) return true;
        *error = std::string("cannot write to standard output: ") + std::strerror(errno);
        return false;
    }
    if (!MakeParentFolder(path, error)) return false;
    const bool inPlace = WritesInPlace(path);
    const std::string target = inPlace ? path : MakeTemporaryBeside(path, error);
    if (target.empty()) return false;
    std::FILE* file = OpenForWriting(target);
    if (!file) {
        const int reason = errno;
        if (!inPlace) RemoveTemporary(target);
        return Failed(path, reason, error);
    }
    errno = 0;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
    const int writeReason = errno;
    // The close can be the first to learn that the data did not fit.
    const bool closed = std::fclose(file) == 0;
    if (written && closed) return inPlace || MoveIntoPlace(target, path, error);
    const int reason = !written && writeReason ? writeReason : errno ? errno : EIO;
    if (!inPlace) RemoveTemporary(target);
    return Failed(path, reason, error);
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

std::string MakeTemporaryBeside(const std::string& path, std::string* error) {
    static std::atomic<int> counter{0};
    std::string name = path + "." + std::to_string(ProcessId()) + "-" + std::to_string(++counter) + ".part";
    std::FILE* file = OpenForWriting(name);
    if (!file || std::fclose(file) != 0) {
        Failed(path, errno, error);
        return "";
    }
    return name;
}

bool MoveIntoPlace(const std::string& temporary, const std::string& path, std::string* error) {
    const int flushed = FlushToDisk(temporary);
    std::error_code failure;
    if (!flushed) std::filesystem::rename(FileSystemPath(temporary), FileSystemPath(path), failure);
    if (!flushed && !failure) return true;
    RemoveTemporary(temporary);
    *error = "cannot write " + path + ": " + (flushed ? std::strerror(flushed) : failure.message());
    return false;
}

void RemoveTemporary(const std::string& temporary) {
    std::error_code ignored;
    std::filesystem::remove(FileSystemPath(temporary), ignored);
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
