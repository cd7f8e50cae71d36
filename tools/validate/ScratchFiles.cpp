#include "tools/validate/ScratchFiles.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tools/hostcli/PictureWrite.h"
#include "tools/validate/Random.h"
#include "tools/validate/SpecialFiles.h"

namespace {

void WriteBytes(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::string GarbageBytes(size_t size) {
    Random random(size);
    std::string bytes(size, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random.Below(256));
    return bytes;
}

}  // namespace

std::string SmallPicture(const std::string& folder) {
    std::string path = folder + "/small.png";
    if (std::filesystem::exists(path)) return path;
    std::vector<uint8_t> pixels(size_t{16} * 16 * 4);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i % 4 == 3 ? 255 : i * 7);
    // The checks still run; the line tells a failed load caused here from the plug-in's own.
    std::string error;
    if (!WritePng(path, 16, 16, pixels.data(), &error))
        std::fprintf(stderr, "vigil-host validate: %s\n", error.c_str());
    return path;
}

std::vector<HostileText> HostileTexts(const std::string& folder) {
    std::vector<HostileText> texts = {
        {"", "an empty text"},
        {std::string(64 * 1024 - 4, 'a') + ".png", "a 64 KiB text"},
        {folder + "/\xff\xfe\xc3\x28\x80.png", "a path that is not UTF-8"},
        {folder + "/missing.png", "a missing file"},
        {folder, "a folder"},
        {folder + "/empty.png", "an empty file"},
        {folder + "/garbage.png", "a garbage file"},
    };
    WriteBytes(folder + "/empty.png", "");
    WriteBytes(folder + "/garbage.png", GarbageBytes(4096));
    if (const char* endless = EndlessFile()) texts.push_back({endless, endless});
    if (MakeFifo(folder + "/fifo.png")) texts.push_back({folder + "/fifo.png", "a FIFO"});
    return texts;
}
