// The codes that need an instance handle: parameter values and what the host tells
// an instance. The handle is known to be non-null here.
#pragma once

#include <cstdint>

class CFFGLPlugin;

uint64_t SetParameter(CFFGLPlugin& instance, uint64_t input);
uint64_t GetParameter(CFFGLPlugin& instance, uint32_t index);
uint64_t SetHostTime(CFFGLPlugin& instance, uint64_t input);
uint64_t Connect(CFFGLPlugin& instance);
uint64_t Disconnect(CFFGLPlugin& instance);
uint64_t Resize(CFFGLPlugin& instance, uint64_t input);
uint64_t SetTempo(CFFGLPlugin& instance, uint64_t input);
uint64_t SetHostIdentity(CFFGLPlugin& instance, uint64_t input);
uint64_t EnableCapability(CFFGLPlugin& instance, uint32_t capability);
