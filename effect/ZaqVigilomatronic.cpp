#include "effect/ZaqVigilomatronic.h"

#include <algorithm>
#include <cstring>

namespace {

// Shared by every instance: the text getter's answer, valid until the next call.
char textParameterBuffer[512];

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

}  // namespace

ZaqVigilomatronic::ZaqVigilomatronic() : CFFGLPlugin(false) {
    for (uint32_t index = 0; index <= kParamHueShift; ++index) {
        if (const OptionDeclaration* option = FindOption(index)) {
            DeclareOptionParameter(index, option->name, 4, 0.0f);
            for (uint32_t element = 0; element < 4; ++element)
                SetOptionElement(index, element, option->elements[element], static_cast<float>(element));
        } else if (const ValueDeclaration* value = FindValue(index)) {
            DeclareParameter(index, value->name, value->type, ReadParameterValue(index));
        } else {
            std::vector<std::string> extensions = {"png", "jpg", "jpeg", "bmp", "tga", "gif"};
            DeclareFileParameter(index, "Overlay Image", extensions, "");
        }
    }
    SetMinimumInputCount(1);
    SetMaximumInputCount(1);
}

// GL names still held here are not deleted: only the GL teardown may touch GL.
ZaqVigilomatronic::~ZaqVigilomatronic() = default;

namespace {

float* ParameterField(ZaqVigilomatronic& effect, uint32_t index) {
    switch (index) {
        case kParamColorMode: return &effect.colorMode;
        case kParamHudOpacity: return &effect.hudOpacity;
        case kParamCrosshair: return &effect.crosshairStyle;
        case kParamCorners: return &effect.cornersOn;
        case kParamScanLine: return &effect.scanLineMode;
        case kParamGrid: return &effect.gridStyle;
        case kParamShowInfo: return &effect.showInfo;
        case kParamNoise: return &effect.noiseAmount;
        case kParamGlitch: return &effect.glitchAmount;
        case kParamHueShift: return &effect.hueShift;
        default: return nullptr;
    }
}

}  // namespace

uint32_t ZaqVigilomatronic::ApplyParameterValue(uint32_t index, float value) {
    float* field = ParameterField(*this, index);
    if (!field) return ffgl::kFailure32;
    *field = value;
    return 0;
}

uint32_t ZaqVigilomatronic::ApplyParameterText(uint32_t index, const char* text) {
    if (index != kParamOverlayImage) return ffgl::kFailure32;
    overlayPath = text ? text : "";
    overlayReloadPending = true;
    return 0;
}

float ZaqVigilomatronic::ReadParameterValue(uint32_t index) {
    const float* field = ParameterField(*this, index);
    return field ? *field : 0.0f;
}

const char* ZaqVigilomatronic::ReadParameterText(uint32_t index) {
    if (index != kParamOverlayImage) return nullptr;
    const size_t count = std::min(overlayPath.size(), sizeof textParameterBuffer - 1);
    std::memcpy(textParameterBuffer, overlayPath.data(), count);
    textParameterBuffer[count] = '\0';
    textParameterBuffer[sizeof textParameterBuffer - 1] = '\0';
    return textParameterBuffer;
}
