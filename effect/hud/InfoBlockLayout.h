// Where the info block's texts stand, how large and how opaque: plain data in HUD space
// (y is the bottom of the glyph box; a line's advance equals its glyph size).
#pragma once

#include <cmath>
#include <cstdint>

#include "effect/MotionClock.h"
#include "effect/hud/HudColor.h"

struct InfoLine {
    const char* text;
    float x;
    float y;
    float size;
    float alphaFactor;  // times the HUD opacity
};

constexpr InfoLine kRecordingSign = {"REC", 0.898f, 0.95f, 0.0105f, 1.0f};
constexpr float kRecordingSquareX = 0.88f;
constexpr float kRecordingSquareY = 0.95f;
constexpr float kRecordingSquareSize = 0.012f;
// The sign's colour before the hue shift: the same shift keeps it apart from the HUD colour.
constexpr HudColor kRecordingColor{1.0f, 0.1f, 0.1f};

// The clock's text comes from the clock; this line gives only its place.
constexpr InfoLine kClockLine = {nullptr, 0.72f, 0.04f, 0.0105f, 1.0f};

constexpr InfoLine kCaptions[] = {
    {"KRV01 - SURVEILLANCE SECTOR", 0.02f, 0.08f, 0.0086f, 0.85f},
    {"KRV WORLD GOVERNMENT // UNIV. TIME", 0.02f, 0.055f, 0.00688f, 0.85f},
    {"CAM-KRV01 // SECTOR 7G", 0.02f, 0.95f, 0.00774f, 0.7f},
    {"TRANSMIT: ACTIVE", 0.02f, 0.93f, 0.00602f, 0.7f},
};

// The sign blinks with sin(t * 5) at a nominal 60 frames a second: shown while it is
// not below 0, about 1.26 s on and 1.26 s off, however long the show has run.
inline bool RecordingSignVisible(int32_t frameCounter) { return !(std::sin(TurningAngle(frameCounter, 5.0f)) < 0.0f); }
