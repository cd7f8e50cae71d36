#include "tools/commands/RenderCommand.h"

#include <memory>

#include "tools/hostcli/ExitStatus.h"
#include "tools/hostcli/FramePath.h"
#include "tools/hostcli/InputPicture.h"
#include "tools/hostcli/PngWrite.h"
#include "tools/hostcli/RenderSession.h"
#include "tools/hostkit/GlContext.h"

namespace {

bool WriteFrame(const RenderSession& session, const std::string& path, std::string* error) {
    const Picture frame = session.ReadOutput();
    if (WritePng(path, frame.width, frame.height, frame.rgba.data())) return true;
    *error = "cannot write " + path;
    return false;
}

int Render(PluginClient& client, const HostOptions& options, const Picture& input,
           const std::vector<ParameterSetting>& settings, const FramePath& output) {
    std::string error;
    std::unique_ptr<GlContext> context = GlContext::Create(&error, {.forwardCompatible = options.forwardCompatible});
    if (!context) return Fail(error);
    RenderSession session(client);
    if (!session.Start(input, options.width, options.height, options.pad, settings, &error)) return Fail(error);
    // A user rendering a frame expects the overlay picture in it, however long it loads.
    if (!session.AwaitFiles(settings, kFileLoadSeconds, &error)) return Fail(error);
    for (int frame = 1; frame <= options.frames; ++frame) {
        if (!session.RenderFrame(&error)) return Fail(error);
        const bool write = output.everyFrame || frame == options.frames;
        if (write && !WriteFrame(session, output.ForFrame(frame), &error)) return Fail(error);
    }
    return kExitOk;
}

}  // namespace

int RunRender(const HostOptions& options) {
    std::string error;
    FramePath output;
    Picture input;
    PluginClient client;
    std::vector<ParameterInfo> parameters;
    std::vector<ParameterSetting> settings;
    if (!output.Parse(options.output, &error) ||
        !LoadInputPicture(options.input, options.width, options.height, &input, &error) ||
        !client.Open(options.library, &error) || !client.ReadParameters(&parameters, &error) ||
        !ResolveSettings(options.settings, parameters, &settings, &error))
        return Fail(error);
    return Render(client, options, input, settings, output);
}
