// One plug-in instance drawing into an offscreen target, the way a host drives it
// (tools/hostkit/InstanceCalls.h, HostFrame.h), with the errors a command reports.
// Needs a current GL context for its whole life.
#pragma once

#include <string>
#include <vector>

#include "tools/hostcli/ParameterSettings.h"
#include "tools/hostcli/Picture.h"
#include "tools/hostkit/FileLoadWait.h"
#include "tools/hostkit/HostFrame.h"
#include "tools/hostkit/PluginClient.h"

// How long a render or bench waits for the files its settings name.
constexpr double kFileLoadSeconds = 60.0;

class RenderSession {
public:
    explicit RenderSession(PluginClient& client) : client(client) {}
    ~RenderSession() { Stop(); }
    RenderSession(const RenderSession&) = delete;
    RenderSession& operator=(const RenderSession&) = delete;

    // Uploads the input (into a larger texture when padded), makes the output target and
    // the instance, and applies the settings.
    bool Start(const Picture& picture, int width, int height, bool pad, const std::vector<ParameterSetting>& settings,
               std::string* error);
    // Replaces the input picture with a frame of the same size, bottom row first.
    void UploadInput(const uint8_t* rgbaBottomUp);
    // A parameter change between frames (code 8); false when the plug-in refuses it.
    bool SetValue(uint32_t index, float value, std::string* error);
    // One frame through code 17.
    bool RenderFrame(std::string* error);
    // Renders frames, counted nowhere, until every file the settings name has finished
    // loading (tools/hostkit/FileLoadWait.h), the plug-in telling it by `lines`.
    bool AwaitFiles(const std::vector<ParameterSetting>& settings, double limitSeconds, const FileLoadLines& lines,
                    std::string* error);
    // Sets a text or file parameter by code 8.
    bool SetText(uint32_t index, const std::string& text, std::string* error);
    // A text or file parameter as the plug-in reads it back (code 9).
    std::string ParameterText(uint32_t index) const { return client.ParameterText(instance, index); }
    Picture ReadOutput() const;
    // The RGBA bytes of the side x side pixels at the output's centre.
    std::vector<uint8_t> ReadCentre(int side) const;
    uint32_t OutputFramebuffer() const;
    // The output as GL stores it, bottom row first, into a buffer of the right size.
    void ReadOutputRows(std::vector<uint8_t>* rows) const;
    // Destroys the instance (code 19) and the GL objects.
    void Stop();

private:
    bool Apply(const std::vector<ParameterSetting>& settings, std::string* error);
    std::string Refused(uint32_t index) const;

    PluginClient& client;
    HostFrame textures;
    void* instance = nullptr;
    int frameNumber = 0;
    size_t linesAtStart = 0;  // of the plug-in's log, when the instance was made
};

// The smallest power of two above size: a padded allocation always exceeds the picture.
int PaddedSide(int size);
