// Placeholder until the quad lands.
#include "gl/ScreenQuad.h"

bool ScreenQuad::Create() { return false; }
void ScreenQuad::Draw() const {}
void ScreenQuad::Release() {}
