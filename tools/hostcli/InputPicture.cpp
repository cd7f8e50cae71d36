#include "tools/hostcli/InputPicture.h"

#include <cctype>
#include <filesystem>

#include "tools/hostcli/FramePath.h"
#include "tools/hostcli/PictureLoad.h"
#include "tools/hostcli/TestCard.h"

bool LoadInputPicture(const std::string& input, int width, int height, Picture* picture, std::string* error) {
    if (input == "testcard") {
        *picture = MakeTestCard(width, height);
        return true;
    }
    return LoadPicture(input, picture, error);
}

bool IsPictureSequence(const std::string& input) {
    FramePath pattern;
    std::string ignored;
    std::error_code missing;
    return pattern.Parse(input, &ignored) && pattern.everyFrame && !std::filesystem::exists(input, missing);
}

bool IsStillInput(const std::string& input) {
    if (input == "testcard") return true;
    if (IsPictureSequence(input)) return false;
    const size_t dot = input.find_last_of('.');
    if (dot == std::string::npos) return false;
    std::string extension;
    for (char c : input.substr(dot + 1)) extension += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == "png" || extension == "jpg" || extension == "jpeg" || extension == "bmp" || extension == "tga";
}
