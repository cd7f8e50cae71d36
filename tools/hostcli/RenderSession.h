// One plug-in instance drawing into an offscreen target, the way a host drives it:
// instance over a viewport, parameters by code 8, one code-17 call per frame.
// Needs a current GL context for its whole life.
#pragma once

#include <string>
#include <vector>

#include "tools/hostcli/FrameTextures.h"
#include "tools/hostcli/ParameterSettings.h"
#include "tools/hostcli/Picture.h"
#include "tools/hostkit/PluginClient.h"

class RenderSession {
public:
    explicit RenderSession(PluginClient& client) : client(client) {}
    ~RenderSession() { Stop(); }
    RenderSession(const RenderSession&) = delete;
    RenderSession& operator=(const RenderSession&) = delete;

    // Uploads the input (into a larger texture when padded), makes the output target and
    // the instance, and applies the settings.
    bool Start(const Picture& input, int width, int height, bool pad, const std::vector<ParameterSetting>& settings,
               std::string* error);
    // One frame through code 17.
    bool RenderFrame(std::string* error);
    Picture ReadOutput() const;
    // Destroys the instance (code 19) and the GL objects.
    void Stop();

private:
    bool Apply(const std::vector<ParameterSetting>& settings, std::string* error);

    PluginClient& client;
    FrameTextures textures;
    void* instance = nullptr;
    int frameNumber = 0;
};

// The smallest power of two above size: a padded allocation always exceeds the picture.
int PaddedSide(int size);
