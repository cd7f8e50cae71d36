#include "effect/EffectParameters.h"

#include <string>
#include <vector>

#include "abi/ffgl_abi.h"
#include "host/PluginManager.h"

namespace {

struct OptionDeclaration {
    uint32_t index;
    const char* name;
    const char* elements[4];
};

constexpr OptionDeclaration kOptions[] = {
    {kParamColorMode, "Color Mode", {"Normal", "Night Vision", "Thermal", "Negative"}},
    {kParamCrosshair, "Crosshair", {"Off", "Standard", "Tactical", "Minimal"}},
    {kParamScanLine, "Scan Line", {"Off", "Horizontal", "Vertical", "Radar"}},
    {kParamGrid, "Grid", {"Off", "Square", "Thirds", "Radial"}},
};

const OptionDeclaration* FindOption(uint32_t index) {
    for (const OptionDeclaration& option : kOptions)
        if (option.index == index) return &option;
    return nullptr;
}

struct ValueDeclaration {
    uint32_t index;
    const char* name;
    uint32_t type;
};

constexpr ValueDeclaration kValues[] = {
    {kParamHudOpacity, "HUD Opacity", ffgl::kTypeStandard}, {kParamCorners, "Corners", ffgl::kTypeBoolean},
    {kParamShowInfo, "Show Info", ffgl::kTypeBoolean},      {kParamNoise, "Noise", ffgl::kTypeStandard},
    {kParamGlitch, "Glitch", ffgl::kTypeStandard},          {kParamHueShift, "Hue Shift", ffgl::kTypeStandard},
};

const ValueDeclaration* FindValue(uint32_t index) {
    for (const ValueDeclaration& value : kValues)
        if (value.index == index) return &value;
    return nullptr;
}

// The field of a number parameter; null for the file parameter and unknown indices.
template <typename Parameters>
auto* Field(Parameters& p, uint32_t index) {
    switch (index) {
        case kParamColorMode: return &p.colorMode;
        case kParamHudOpacity: return &p.hudOpacity;
        case kParamCrosshair: return &p.crosshairStyle;
        case kParamCorners: return &p.cornersOn;
        case kParamScanLine: return &p.scanLineMode;
        case kParamGrid: return &p.gridStyle;
        case kParamShowInfo: return &p.showInfo;
        case kParamNoise: return &p.noiseAmount;
        case kParamGlitch: return &p.glitchAmount;
        case kParamHueShift: return &p.hueShift;
        default: return static_cast<decltype(&p.colorMode)>(nullptr);
    }
}

}  // namespace

bool EffectParameters::Apply(uint32_t index, float value) {
    float* field = Field(*this, index);
    if (!field) return false;
    *field = value;
    return true;
}

float EffectParameters::Read(uint32_t index) const {
    const float* field = Field(*this, index);
    return field ? *field : 0.0f;
}

void DeclareEffectParameters(CFFGLPluginManager& table) {
    const EffectParameters initial;
    for (uint32_t index = 0; index <= kParamHueShift; ++index) {
        if (const OptionDeclaration* option = FindOption(index)) {
            table.DeclareOptionParameter(index, option->name, 4, 0.0f);
            for (uint32_t element = 0; element < 4; ++element)
                table.SetOptionElement(index, element, option->elements[element], static_cast<float>(element));
        } else if (const ValueDeclaration* value = FindValue(index)) {
            table.DeclareParameter(index, value->name, value->type, initial.Read(index));
        } else {
            std::vector<std::string> extensions = {"png", "jpg", "jpeg", "bmp", "tga", "gif"};
            table.DeclareFileParameter(index, "Overlay Image", extensions, "");
        }
    }
}
