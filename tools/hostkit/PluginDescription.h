// What a plug-in says about itself, copied out of its records into plain values so the
// commands never hold pointers into the library.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PluginInfo {
    uint32_t apiMajorVersion = 0;
    uint32_t apiMinorVersion = 0;
    std::string identifier;  // at most 4 bytes
    std::string name;        // at most 16 bytes
    uint32_t pluginType = 0;
};

struct ExtendedInfo {
    uint32_t pluginMajorVersion = 0;
    uint32_t pluginMinorVersion = 0;
    std::string description;
    std::string about;
};

struct OptionElementInfo {
    std::string name;
    float value = 0.0f;
};

struct ParameterInfo {
    uint32_t index = 0;
    std::string name;
    uint32_t type = 0;
    float defaultValue = 0.0f;  // numeric types
    std::string defaultText;    // text and file types
    float rangeMin = 0.0f;
    float rangeMax = 1.0f;
    std::vector<OptionElementInfo> elements;  // option types only
    std::vector<std::string> extensions;      // file types only
};

// Thumbnail pixels as the plug-in packs them: (r << 24) | (g << 16) | (b << 8) | a,
// row 0 at the top.
struct ThumbnailWords {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> words;
};

// Readable name of a parameter type code ("option", "file", ... or "type N").
std::string ParameterTypeName(uint32_t type);
// A parameter value as the host prints it ("%g": at most six significant digits).
std::string NumberText(float value);
