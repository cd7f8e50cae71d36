#include "overlay/loading/OverlayFile.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "overlay/loading/GuardedDecode.h"
#include "platform/FileOpen.h"

namespace {

struct FileClose {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The length in bytes, or -1 when the position cannot be had.
long long MeasureLength(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) return -1;
    const long long length = std::ftell(file);
    if (std::fseek(file, 0, SEEK_SET) != 0) return -1;
    return length;
}

// Small enough that a cancelled load stops reading at once.
constexpr size_t kReadChunkBytes = size_t{1} << 20;

std::string KindRefusal(const std::string& path, FileKind kind) {
    return path + (kind == FileKind::Directory ? " is a directory" : " is not a regular file");
}

// Reads all of bytes; the count read, which falls short at the end of the file or on cancel.
size_t ReadAll(std::FILE* file, std::vector<uint8_t>& bytes, const std::atomic<bool>* cancelled) {
    size_t read = 0;
    while (read < bytes.size() && !(cancelled && cancelled->load(std::memory_order_relaxed))) {
        const size_t chunk = std::min(kReadChunkBytes, bytes.size() - read);
        const size_t got = std::fread(bytes.data() + read, 1, chunk, file);
        read += got;
        if (got < chunk) break;
    }
    return read;
}

}  // namespace

OverlayFile ReadOverlayFile(const std::string& path, const std::atomic<bool>* cancelled) {
    OverlayFile result;
    FileKind kind = FileKind::Missing;
    std::unique_ptr<std::FILE, FileClose> file(OpenFileForReading(path.c_str(), &kind));
    if (kind == FileKind::Missing) return result;
    result.opened = true;
    if (!file) {
        result.problem = KindRefusal(path, kind);
        return result;
    }
    const long long length = MeasureLength(file.get());
    if (length < 0) {
        result.problem = "the file's length cannot be measured";
        return result;
    }
    result.problem = FileSizeRefusal(static_cast<size_t>(length));
    if (!result.problem.empty()) return result;
    result.bytes.resize(static_cast<size_t>(length));
    const size_t read = ReadAll(file.get(), result.bytes, cancelled);
    if (read != result.bytes.size()) {
        result.problem = "read " + std::to_string(read) + " of " + std::to_string(length) + " bytes";
        result.bytes.clear();
        return result;
    }
    result.complete = true;
    return result;
}
