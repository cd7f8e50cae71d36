// A colour of the HUD: red, green and blue from 0 to 1, alpha set apart per stage.
#pragma once

struct HudColor {
    float r;
    float g;
    float b;
};

// Green-cyan, before the hue shift turns it.
constexpr HudColor kHudBaseColor{0.0f, 1.0f, 0.533f};
