// An output must never overwrite the input it is made from: refused before anything is
// written, whether the names differ or not (links, "./", another folder's way to the file).
#pragma once

#include <string>

#include "tools/hostcli/CommandLine.h"
#include "tools/render/RenderPlan.h"

// False with a message when any file the render would write is a file it reads: the input,
// or any picture of an input sequence.
bool CheckOutputSparesInput(const HostOptions& options, const RenderPlan& plan, std::string* error);
