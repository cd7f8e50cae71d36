// Run under Wine by compare-under-wine.sh: file names as a host passes them, 8-bit text,
// open whether they are UTF-8 or in the Windows code page.
// Usage: file-open-check.exe FOLDER (an ASCII Windows path); exits 0 when all hold.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/FileOpen.h"

namespace {

int failures = 0;

void Check(bool holds, const char* what) {
    std::printf("%s: %s\n", holds ? "ok" : "FAIL", what);
    if (!holds) ++failures;
}

std::wstring Widen(const char* ascii) { return std::wstring(ascii, ascii + std::strlen(ascii)); }

bool WriteWide(const std::wstring& path, const char* content) {
    std::FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file) return false;
    std::fputs(content, file);
    return std::fclose(file) == 0;
}

// True when path opens through OpenFileForReading and holds content.
bool ReadsBack(const std::string& path, const char* content) {
    std::FILE* file = OpenFileForReading(path.c_str());
    if (!file) return false;
    char buffer[64] = {};
    const size_t length = std::fread(buffer, 1, sizeof buffer - 1, file);
    std::fclose(file);
    return length == std::strlen(content) && std::memcmp(buffer, content, length) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::string folder = std::string(argv[1]) + "\\";
    const std::wstring wideFolder = Widen(folder.c_str());

    // Cyrillic and CJK letters exist in no single-byte code page: only the wide API opens them.
    Check(WriteWide(wideFolder + L"\u043d\u0430\u0431\u043b\u044e\u0434\u0435\u043d\u0438\u0435-\u76e3\u8996.png",
                    "cyrillic"),
          "wrote a file with a Cyrillic and CJK name");
    Check(ReadsBack(folder + "\xd0\xbd\xd0\xb0\xd0\xb1\xd0\xbb\xd1\x8e\xd0\xb4\xd0\xb5\xd0\xbd\xd0\xb8\xd0\xb5-"
                             "\xe7\x9b\xa3\xe8\xa6\x96.png",
                    "cyrillic"),
          "a UTF-8 path with Cyrillic and CJK letters opens");

    Check(WriteWide(wideFolder + L"\u00fcberwachung.gif", "umlaut"), "wrote a file with a Latin-1 name");
    Check(ReadsBack(folder + "\xc3\xbc"
                             "berwachung.gif",
                    "umlaut"),
          "the same name as UTF-8 opens");
    // Not valid UTF-8: the byte is taken in the system code page (1252 here) as before.
    if (GetACP() == 1252)
        Check(ReadsBack(folder + "\xfc"
                                 "berwachung.gif",
                        "umlaut"),
              "the name in code page 1252 still opens");

    Check(OpenFileForReading((folder + "missing.png").c_str()) == nullptr, "a missing file gives null");
    // Only a regular file is kept open; what else the path named is told apart.
    FileKind kind = FileKind::Regular;
    Check(OpenFileForReading(folder.c_str(), &kind) == nullptr && kind == FileKind::Directory,
          "a folder is refused as a directory");
    Check(OpenFileForReading("NUL", &kind) == nullptr && kind == FileKind::Other, "the NUL device is refused");
    Check(OpenFileForReading(nullptr) == nullptr, "a null path gives null");
    return failures == 0 ? 0 : 1;
}
