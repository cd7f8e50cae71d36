#include "tools/video/OutputFormat.h"

#include <cctype>

#include "tools/hostkit/OutputFile.h"

namespace {

struct Name {
    const char* extension;
    Container container;
};

constexpr Name kNames[] = {{"png", Container::Png}, {"jpg", Container::Jpeg},    {"jpeg", Container::Jpeg},
                           {"mp4", Container::Mp4}, {"mov", Container::Mov},     {"webm", Container::Webm},
                           {"gif", Container::Gif}, {"mkv", Container::Matroska}};

std::string Extension(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    const size_t slash = path.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    return path.substr(dot + 1);
}

}  // namespace

bool ContainerFromName(const std::string& name, Container* container) {
    std::string lower;
    for (char c : name.rfind('.', 0) == 0 ? name.substr(1) : name)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const Name& known : kNames) {
        if (lower != known.extension) continue;
        *container = known.container;
        return true;
    }
    return false;
}

bool IsVideo(Container container) { return container != Container::Png && container != Container::Jpeg; }

const char* ContainerName(Container container) {
    for (const Name& known : kNames)
        if (known.container == container) return known.extension;
    return "";
}

bool ChooseOutputFormat(const std::string& output, const std::string& format, bool moving, Container* chosen,
                        std::string* error) {
    // Standard output, a device or a pipe takes the defaults; a file needs a known extension.
    const bool stream = WritesInPlace(output);
    const std::string extension = IsStandardOutput(output) ? std::string() : Extension(output);
    const std::string name = !format.empty()      ? format
                             : !extension.empty() ? extension
                             : stream             ? (moving ? "mkv" : "png")
                                                  : "";
    if (!ContainerFromName(name, chosen)) {
        *error = (format.empty() ? "cannot tell the format of " + output + " from its extension"
                                 : "unknown format \"" + format + "\"") +
                 "; use .mp4, .mov, .webm, .gif, .mkv, .png or .jpg" + (format.empty() ? " (or --format)" : "");
        return false;
    }
    return true;
}
