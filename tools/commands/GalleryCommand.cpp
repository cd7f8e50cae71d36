#include "tools/commands/GalleryCommand.h"

#include <memory>

#include "tools/hostcli/ContactSheet.h"
#include "tools/hostcli/ExitStatus.h"
#include "tools/hostcli/GalleryPlan.h"
#include "tools/hostcli/InputPicture.h"
#include "tools/hostcli/PictureWrite.h"
#include "tools/hostcli/RenderSession.h"
#include "tools/hostcli/ThisPlugin.h"
#include "tools/hostkit/GlContext.h"
#include "tools/render/FrameSource.h"
#include "tools/render/RenderPlan.h"
#include "tools/video/VideoProbe.h"

namespace {

struct GalleryJob {
    const HostOptions& options;
    Picture input;
    std::vector<ParameterSetting> settings;  // --set, under every frame
};

// The input at the frame size: the test card, a picture, or a video's frame at --start.
bool LoadInput(const HostOptions& options, Picture* picture, std::string* error) {
    if (IsStillInput(options.input))
        return LoadInputPicture(options.input, options.width, options.height, picture, error);
    VideoInfo info;
    if (!ProbeVideo(InputOf(options), &info, error)) return false;
    // Every tile has the sheet's size, whatever the input's shape; the input is read upright, by its tags.
    HostOptions tile = options;
    tile.sizeGiven = true;
    std::vector<std::string> notes;
    DecodeRequest request = PlanLive(tile, info, &notes);
    request.start = options.start;
    request.frames = 1;
    FrameSource source;
    FrameBytes frame;
    if (!source.OpenVideo(request, false, error)) return false;
    if (!source.Next(&frame)) {
        *error = source.Problem();
        if (error->empty()) *error = options.input + " has no frame at " + std::to_string(options.start) + " s";
        return false;
    }
    *picture = PictureFromBottomUpRows(options.width, options.height, frame);
    return true;
}

// A fresh instance with the settings and the frame's value, drawn --frames times.
bool RenderFrame(PluginClient& client, const GalleryJob& job, const GalleryFrame& frame, Picture* picture,
                 std::string* error) {
    std::vector<ParameterSetting> settings = job.settings;
    settings.push_back({frame.index, false, false, frame.value, {}});
    RenderSession session(client);
    if (!session.Start(job.input, job.options.width, job.options.height, false, settings, error) ||
        !session.AwaitFiles(settings, kFileLoadSeconds, kThisPluginFileLoadLines, error))
        return false;
    for (int i = 0; i < job.options.frames; ++i)
        if (!session.RenderFrame(error)) return false;
    *picture = session.ReadOutput();
    return true;
}

}  // namespace

int RunGallery(const HostOptions& options) {
    std::string error;
    PluginClient client;
    std::vector<ParameterInfo> parameters;
    std::vector<GalleryFrame> frames;
    GalleryJob job{options, {}, {}};
    if (!client.Open(options.library, &error) || !client.ReadParameters(&parameters, &error) ||
        !PlanGallery(parameters, options.parameter, &frames, &error) ||
        !ResolveSettings(options.settings, parameters, &job.settings, &error) ||
        !LoadInput(options, &job.input, &error))
        return Fail(error);
    const std::unique_ptr<GlContext> context = GlContext::Create(&error);
    if (!context) return Fail(error);
    std::vector<Picture> pictures(frames.size());
    for (size_t i = 0; i < frames.size(); ++i)
        if (!RenderFrame(client, job, frames[i], &pictures[i], &error)) return Fail(error);
    const Picture sheet = ComposeSheet(frames, pictures);
    if (!WritePictureFile(options.output, sheet.width, sheet.height, sheet.rgba.data(), &error)) return Fail(error);
    return kExitOk;
}
