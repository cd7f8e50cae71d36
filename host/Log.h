// The one log route to the host: texts go unchanged to the host's callback, or nowhere.
#pragma once

#include "abi/ffgl_abi.h"

void LogMessage(const char* text);
void InstallLogCallback(ffgl::LogCallback callback);
