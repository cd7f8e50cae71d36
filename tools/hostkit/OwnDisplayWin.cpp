// The Windows desktop is always there.
#include "tools/hostkit/OwnDisplay.h"

bool OwnDisplay::Ensure(std::string*) { return true; }
void OwnDisplay::Stop() {}
