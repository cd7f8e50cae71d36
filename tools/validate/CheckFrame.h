// The frame the validator hands a plug-in: a grey picture with a lighter square, so that
// an effect's output differs from the sentinel colour the output is cleared to.
#pragma once

#include "tools/hostkit/HostFrame.h"

// False when the validator cannot make the textures and target of this shape.
bool CreateCheckFrame(HostFrame& frame, const FrameShape& shape);
