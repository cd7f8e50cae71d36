#include "tools/hostkit/PluginDescription.h"

#include <cstdio>

#include "abi/ffgl_abi.h"

std::string ParameterTypeName(uint32_t type) {
    switch (type) {
        case ffgl::kTypeBoolean: return "boolean";
        case ffgl::kTypeStandard: return "standard";
        case ffgl::kTypeOption: return "option";
        case ffgl::kTypeFile: return "file";
        case ffgl::kTypeText: return "text";
        default: return "type " + std::to_string(type);
    }
}

std::string NumberText(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}
