// What a plug-in call leaves in the host's GL context: pending errors, and state that
// is no longer at the defaults a host expects after the call.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Every pending GL error, cleared: "GL_INVALID_VALUE (0x0501)".
std::vector<std::string> TakeGlErrors();

// Deviations from the defaults: blending off, no program, no vertex array, no array
// buffer, texture unit 0 active, no 2D texture bound on the first units, line width 1,
// and the host's framebuffer still bound.
std::vector<std::string> StateLeftBehind(uint32_t hostFramebuffer);

// Puts all of the above back, so the next call starts as a host would start it.
void RestoreHostState(uint32_t hostFramebuffer);

// "a, b and c".
std::string JoinTexts(const std::vector<std::string>& texts);
