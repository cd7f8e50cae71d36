// Waiting, frame after frame, until a plug-in's file parameters have finished loading, as
// a host that must not show a frame before its pictures are in. A plug-in tells it by
// reading a path back changed, or by a log line whose start it alone knows: the caller
// names those starts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tools/hostkit/PluginClient.h"

// A line starting with `loaded` or `failed` ends a load; `failed` alone tells a failure.
struct FileLoadLines {
    const char* loaded;
    const char* failed;
};

struct FileParameter {
    uint32_t index = 0;
    std::string path;
};

struct FileLoadWait {
    PluginClient& client;
    void* instance;
    size_t firstLine;                               // of the client's log, when the instance was made
    std::function<bool(std::string*)> renderFrame;  // one frame, counted nowhere; false with the reason
};

// Renders frames until every file has finished loading. Fails with a message once
// `limitSeconds` have passed, and with one naming the file when the plug-in could not load it.
bool AwaitFileLoads(const FileLoadWait& wait, const std::vector<FileParameter>& files, const FileLoadLines& lines,
                    double limitSeconds, std::string* error);
