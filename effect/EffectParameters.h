// The effect's parameters, one row each in kEffectParameters: what a host is told of it
// (index, name, type, default, option elements, file extensions) and where its value
// goes. The constructor declares the host's table from the rows, the setters and getters
// store by them, and the processing pass sets its parameter uniforms from them. Hosts and
// stored compositions address parameters by index and by name: a row never moves, a new
// one goes at the end.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "abi/ffgl_abi.h"

class CFFGLPluginManager;

// The rows' indices, for code that reads one parameter by name.
enum ParameterIndex : uint32_t {
    kParamColorMode = 0,
    kParamHudOpacity = 1,
    kParamCrosshair = 2,
    kParamCorners = 3,
    kParamScanLine = 4,
    kParamGrid = 5,
    kParamShowInfo = 6,
    kParamNoise = 7,
    kParamGlitch = 8,
    kParamOverlayImage = 9,
    kParamHueShift = 10,
};

// Where a value goes. Every number is stored in EffectParameters as the host sends it and
// read as its type says where it is used (Rounding.h): an option rounded, an on/off value
// tested, a standard value held within 0..1.
enum class ParameterRoute : uint8_t {
    Uniform,      // to the processing shader's uniform named in the row, every frame
    ScanValues,   // to the frame's scan values (FrameValues): the pass's glow, the HUD's sweep
    Hud,          // read by the HUD stages as they draw
    OverlayFile,  // a path, which the overlay picture keeps and loads at the next frame
};

// An option's elements (valued 0, 1, 2... in this order) or a file's extensions; null
// after the last.
using ParameterTexts = std::array<const char*, 6>;

struct ParameterRow {
    uint32_t index = 0;  // its ParameterIndex where code reads it by name
    const char* name = nullptr;
    uint32_t type = 0;          // an option, a standard value, an on/off value or a file (ffgl::kType...)
    float defaultValue = 0.0f;  // a file's default is the empty text
    ParameterTexts options{};
    ParameterTexts extensions{};
    ParameterRoute route{};
    const char* uniform = nullptr;  // for ParameterRoute::Uniform
};

inline constexpr ParameterRow kEffectParameters[] = {
    {.index = kParamColorMode,
     .name = "Color Mode",
     .type = ffgl::kTypeOption,
     .options = {"Normal", "Night Vision", "Thermal", "Negative"},
     .route = ParameterRoute::Uniform,
     .uniform = "ColorMode"},
    {.index = kParamHudOpacity,
     .name = "HUD Opacity",
     .type = ffgl::kTypeStandard,
     .defaultValue = 1.0f,
     .route = ParameterRoute::Hud},
    {.index = kParamCrosshair,
     .name = "Crosshair",
     .type = ffgl::kTypeOption,
     .options = {"Off", "Standard", "Tactical", "Minimal"},
     .route = ParameterRoute::Hud},
    {.index = kParamCorners,
     .name = "Corners",
     .type = ffgl::kTypeBoolean,
     .defaultValue = 1.0f,
     .route = ParameterRoute::Hud},
    {.index = kParamScanLine,
     .name = "Scan Line",
     .type = ffgl::kTypeOption,
     .options = {"Off", "Horizontal", "Vertical", "Radar"},
     .route = ParameterRoute::ScanValues},
    {.index = kParamGrid,
     .name = "Grid",
     .type = ffgl::kTypeOption,
     .options = {"Off", "Square", "Thirds", "Radial"},
     .route = ParameterRoute::Hud},
    {.index = kParamShowInfo,
     .name = "Show Info",
     .type = ffgl::kTypeBoolean,
     .defaultValue = 1.0f,
     .route = ParameterRoute::Hud},
    {.index = kParamNoise,
     .name = "Noise",
     .type = ffgl::kTypeStandard,
     .route = ParameterRoute::Uniform,
     .uniform = "NoiseAmount"},
    {.index = kParamGlitch,
     .name = "Glitch",
     .type = ffgl::kTypeStandard,
     .route = ParameterRoute::Uniform,
     .uniform = "GlitchAmount"},
    {.index = kParamOverlayImage,
     .name = "Overlay Image",
     .type = ffgl::kTypeFile,
     .extensions = {"png", "jpg", "jpeg", "bmp", "tga", "gif"},
     .route = ParameterRoute::OverlayFile},
    {.index = kParamHueShift, .name = "Hue Shift", .type = ffgl::kTypeStandard, .route = ParameterRoute::Hud},
};

inline constexpr size_t kParameterCount = std::size(kEffectParameters);

constexpr size_t CountTexts(const ParameterTexts& texts) {
    size_t count = 0;
    while (count < texts.size() && texts[count]) ++count;
    return count;
}

// The row of an index; null beyond the table.
constexpr const ParameterRow* FindParameter(uint32_t index) {
    return index < kParameterCount ? &kEffectParameters[index] : nullptr;
}

// Whether the value travels as a number rather than as a text (a file path).
constexpr bool HoldsNumber(const ParameterRow& row) { return !ffgl::IsTextType(row.type); }

// What the rows must agree on, checked as the code compiles.
constexpr bool RowIsWellFormed(const ParameterRow& row, size_t position) {
    const bool option = row.type == ffgl::kTypeOption, file = row.type == ffgl::kTypeFile;
    return row.index == position && row.name && (CountTexts(row.options) > 0) == option &&
           (CountTexts(row.extensions) > 0) == file && (row.route == ParameterRoute::OverlayFile) == file &&
           (row.route == ParameterRoute::Uniform) == (row.uniform != nullptr);
}

constexpr bool TableIsWellFormed() {
    for (size_t position = 0; position < kParameterCount; ++position)
        if (!RowIsWellFormed(kEffectParameters[position], position)) return false;
    return true;
}
static_assert(TableIsWellFormed(), "rows in index order; options, extensions and uniforms where their type wants");

constexpr std::array<float, kParameterCount> ParameterDefaults() {
    std::array<float, kParameterCount> defaults{};
    for (const ParameterRow& row : kEffectParameters) defaults[row.index] = row.defaultValue;
    return defaults;
}

// The numbers the host set, by index, as it sent them; the file's slot stays unused.
struct EffectParameters {
    EffectParameters() = default;  // every number at its default, never a list of floats by position

    std::array<float, kParameterCount> values = ParameterDefaults();

    // False, and nothing stored, for the file parameter and indices beyond the table.
    bool Apply(uint32_t index, float value);
    // 0.0 for the file parameter and indices beyond the table.
    float Read(uint32_t index) const;
};

// Declares every row in the table, index by index.
void DeclareEffectParameters(CFFGLPluginManager& table);
