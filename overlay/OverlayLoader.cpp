// Placeholder until overlay loading lands.
#include "effect/ZaqVigilomatronic.h"

void ZaqVigilomatronic::LoadOverlay(const std::string&) {}
void ZaqVigilomatronic::LoadGifOverlay(const std::string&) {}
void ZaqVigilomatronic::ReleaseOverlay() { overlayPath.clear(); }
