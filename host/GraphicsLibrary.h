// GLEW, initialised once per process at the first instance creation.
#pragma once

// True when GLEW is ready. Only the first call runs glewInit (the host's context must be
// current); if that failed, every later call answers false without trying again.
bool EnsureGraphicsLibrary();
