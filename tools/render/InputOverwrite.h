// An output must never overwrite the input it is made from: refused before anything is
// written, whether the names differ or not (links, "./", another folder's way to the file).
#pragma once

#include <string>

#include "tools/hostcli/CommandLine.h"
#include "tools/render/RenderPlan.h"

// False with a message when any file the render would write is a file it reads: the input,
// any picture of an input sequence, or a file a setting names (`files`).
bool CheckOutputSparesInput(const HostOptions& options, const RenderPlan& plan, const std::vector<std::string>& files,
                            std::string* error);
