#include "tools/hostcli/PictureWrite.h"

#include <cctype>
#include <climits>
#include <vector>

#include "tools/hostkit/OutputFile.h"

// The one place stb_image_write's implementation is compiled; it is third-party code,
// so its warnings are not ours to fix.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb_image_write.h>

namespace {

constexpr int kJpegQuality = 92;

void Collect(void* context, void* data, int size) {
    auto* bytes = static_cast<std::vector<uint8_t>*>(context);
    const auto* first = static_cast<const uint8_t*>(data);
    bytes->insert(bytes->end(), first, first + size);
}

}  // namespace

bool WritePicture(const std::string& path, PictureKind kind, const RgbaRows& rows, std::string* error) {
    const int width = rows.width, height = rows.height;
    const uint8_t* rgba = rows.pixels;
    // The encoder computes the row stride and the whole size in int.
    if (rgba == nullptr || width <= 0 || height <= 0 || width > INT_MAX / 4 / height) {
        *error = "cannot write " + path + ": no picture to write";
        return false;
    }
    std::vector<uint8_t> bytes;
    stbi_flip_vertically_on_write(rows.bottomRowFirst ? 1 : 0);
    const int encoded = kind == PictureKind::Jpeg
                            ? stbi_write_jpg_to_func(Collect, &bytes, width, height, 4, rgba, kJpegQuality)
                            : stbi_write_png_to_func(Collect, &bytes, width, height, 4, rgba, width * 4);
    stbi_flip_vertically_on_write(0);
    if (!encoded) {
        *error = "cannot write " + path + ": the picture could not be encoded";
        return false;
    }
    return WriteOutputFile(path, bytes, error);
}

PictureKind PictureKindFor(const std::string& path) {
    std::string extension =
        path.substr(path.find_last_of('.') == std::string::npos ? path.size() : path.find_last_of('.'));
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".jpg" || extension == ".jpeg" ? PictureKind::Jpeg : PictureKind::Png;
}

bool WritePictureFile(const std::string& path, int width, int height, const uint8_t* rgbaTopDown, std::string* error) {
    return WritePicture(path, PictureKindFor(path), {width, height, rgbaTopDown}, error);
}

bool WritePng(const std::string& path, int width, int height, const uint8_t* rgbaTopDown, std::string* error) {
    return WritePicture(path, PictureKind::Png, {width, height, rgbaTopDown}, error);
}
