// The host's own copy of the image decoder, private to this file (the plug-in has its own).
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STBI_ONLY_TGA
#include <stb_image.h>

#include "tools/hostcli/PictureLoad.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/FileOpen.h"

bool LoadPicture(const std::string& path, Picture* picture, std::string* error) {
    std::FILE* file = OpenFileForReading(path.c_str());
    if (!file) {
        *error = "cannot read " + path + ": " + std::strerror(errno);
        return false;
    }
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_file(file, &width, &height, &channels, 4);
    std::fclose(file);
    if (!pixels) {
        const char* reason = stbi_failure_reason();
        *error = "cannot read the picture " + path + ": " + (reason ? reason : "unknown reason");
        return false;
    }
    picture->width = width;
    picture->height = height;
    picture->rgba.assign(pixels, pixels + static_cast<size_t>(width) * height * 4);
    stbi_image_free(pixels);
    return true;
}
