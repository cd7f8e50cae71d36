// The effect's parameters as the host sees them: eleven, in this order of index. Ten
// are numbers stored here as the host sends them, rounded or tested only where used;
// the eleventh, the overlay file, is a path the overlay picture keeps.
#pragma once

#include <cstdint>

#include "effect/ProcessingValues.h"

class CFFGLPluginManager;

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

struct EffectParameters {
    float colorMode = 0.0f;
    float hudOpacity = 1.0f;
    float crosshairStyle = 0.0f;
    float cornersOn = 1.0f;
    float scanLineMode = 0.0f;
    float gridStyle = 0.0f;
    float showInfo = 1.0f;
    float noiseAmount = 0.0f;
    float glitchAmount = 0.0f;
    float hueShift = 0.0f;

    // False, and nothing stored, for the file parameter and indices beyond the table.
    bool Apply(uint32_t index, float value);
    // 0.0 for the file parameter and indices beyond the table.
    float Read(uint32_t index) const;
    ProcessingParameters Processing() const { return {colorMode, scanLineMode, noiseAmount, glitchAmount}; }
};

// Declares the eleven parameters in the table, index by index, with the initial values
// of EffectParameters as the defaults.
void DeclareEffectParameters(CFFGLPluginManager& table);
