// The instances the host holds: each registered when code 18 hands it out and forgotten
// when code 19 destroys it. A handle that is not among them (destroyed already, or never
// ours) is refused before anything reads through it.
#pragma once

class CFFGLPlugin;

// False, with nothing registered, when there is no memory for the entry.
bool RegisterLiveInstance(const CFFGLPlugin* instance);
void ForgetLiveInstance(const CFFGLPlugin* instance);
bool IsLiveInstance(const void* handle);
