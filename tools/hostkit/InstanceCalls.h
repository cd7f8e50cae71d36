// An instance's life as a host makes it, through any call route: made over a viewport
// (code 18), its parameters set (code 8) and read back (code 9), a frame at a time
// (code 17), destroyed (code 19). The answers are plugMain's own, for callers that judge
// them. The calls need the host's GL context current.
#pragma once

#include <cstdint>
#include <string>

#include "abi/ffgl_abi.h"
#include "tools/hostkit/CallRoute.h"

// The new instance, or null when the plug-in refuses one.
void* Instantiate(CallRoute& route, const ffgl::ViewportRecord& viewport, const std::string& what = "");
uint64_t SetParameterValue(CallRoute& route, void* instance, uint32_t index, float value, const std::string& what = "");
uint64_t SetParameterText(CallRoute& route, void* instance, uint32_t index, const char* text,
                          const std::string& what = "");
// A text or file parameter's text as the plug-in reads it back; empty when it gives none.
std::string ParameterText(CallRoute& route, void* instance, uint32_t index);
uint64_t ProcessFrame(CallRoute& route, void* instance, const ffgl::ProcessingRecord* record,
                      const std::string& what = "");
uint64_t Deinstantiate(CallRoute& route, void* instance, const std::string& what = "");

// Pointer answers: null and the failure code both mean none.
inline bool NoPointer(uint64_t answer) { return answer == 0 || answer == ffgl::kFailure; }
