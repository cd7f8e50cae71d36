// Placeholder until the HUD lands.
#include "effect/ZaqVigilomatronic.h"

void ZaqVigilomatronic::DrawLine(float, float, float, float) {}
void ZaqVigilomatronic::DrawFilledRect(float, float, float, float) {}
void ZaqVigilomatronic::DrawCircle(float, float, float, int) {}
void ZaqVigilomatronic::DrawCrosshair(int) {}
void ZaqVigilomatronic::DrawGrid(int) {}
void ZaqVigilomatronic::DrawCornerBrackets() {}
void ZaqVigilomatronic::DrawScanSweep(int, float, int32_t) {}
void ZaqVigilomatronic::DrawGlyph(unsigned char, float, float, float) {}
void ZaqVigilomatronic::DrawText(const char*, float, float, float) {}
