// Placeholder until overlay drawing lands.
#include "effect/ZaqVigilomatronic.h"

void ZaqVigilomatronic::AdvanceOverlayAnimation() {}
uint32_t ZaqVigilomatronic::CurrentOverlayTexture() const { return 0; }
void ZaqVigilomatronic::DrawOverlay() {}
