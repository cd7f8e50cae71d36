#include "overlay/OverlayFile.h"

#include <cstdio>
#include <memory>

#include "overlay/GuardedDecode.h"
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

}  // namespace

OverlayFile ReadOverlayFile(const std::string& path) {
    OverlayFile result;
    std::unique_ptr<std::FILE, FileClose> file(OpenFileForReading(path.c_str()));
    if (!file) return result;
    result.opened = true;
    const long long length = MeasureLength(file.get());
    if (length < 0) {
        result.problem = "the file's length cannot be measured";
        return result;
    }
    result.problem = FileSizeRefusal(static_cast<size_t>(length));
    if (!result.problem.empty()) return result;
    result.bytes.resize(static_cast<size_t>(length));
    const size_t read = std::fread(result.bytes.data(), 1, result.bytes.size(), file.get());
    if (read != result.bytes.size()) {
        result.problem = "read " + std::to_string(read) + " of " + std::to_string(length) + " bytes";
        result.bytes.clear();
        return result;
    }
    result.complete = true;
    return result;
}
