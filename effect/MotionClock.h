// What the frame counter means for motion, at a nominal 60 frames a second, for a show
// of any length. A float time that grew without bound would lose, within the first hour,
// the precision that the shaders' noise, glitch and interlace need; so the shaders' time
// runs within a period of 600 s, after which every motion goes on seamlessly: the scan
// line's 1 / (0.9 x 0.3) s, the glitch's 1/8 s steps and the interlace's 3/20 s scroll all
// divide it, and the noise is random anyway. The radar's turn and the REC sign's blink
// divide no such period, so their angles are taken modulo a whole turn, in double precision.
// Within the first period every value is exactly frameCounter / 60 (times its speed) in
// single precision, as the frame's formulas state, so a recorded show or a stored
// composition draws the same frames on every build. The counter is read as unsigned, so
// the motion runs on through its signed wrap; only after 2^32 frames (828 days) does it
// jump once.
#pragma once

#include <cstdint>

constexpr uint32_t kMotionPeriodFrames = 600 * 60;

// Seconds into the period: frameCounter / 60 in single precision for the first period.
float MotionTime(int32_t frameCounter);

// An angle turning at `speed` radians a second: frameCounter / 60 x speed in single
// precision for the first period, and after it the same turn, reduced modulo 2 pi.
float TurningAngle(int32_t frameCounter, float speed);

// The radar sweep's angle in radians, turning at 1.7 radians a second.
inline float RadarAngle(int32_t frameCounter) { return TurningAngle(frameCounter, 1.7f); }
