#include "tools/render/RenderPlan.h"

#include <algorithm>
#include <cmath>

namespace {

// H.264 and VP9 in 4:2:0 halve the colour planes in both directions.
bool NeedsEvenSize(Container container) {
    return container == Container::Mp4 || container == Container::Webm || container == Container::Matroska;
}

}  // namespace

bool PlanRender(const HostOptions& options, const VideoInfo* input, Container container, RenderPlan* plan,
                std::string* error) {
    plan->container = container;
    plan->videoInput = input != nullptr;
    const bool videoOutput = IsVideo(container);
    if (!input && options.start > 0.0) {
        *error = "--start needs a video input";
        return false;
    }
    const bool ownSize = input && !options.sizeGiven;
    plan->width = ownSize ? input->width : options.width;
    plan->height = ownSize ? input->height : options.height;
    plan->rate = options.rate.numerator > 0           ? options.rate
                 : input && input->rate.numerator > 0 ? input->rate
                                                      : FrameRate{kStillVideoRate, 1};
    if (options.framesGiven)
        plan->frames = options.frames;
    else if (options.duration > 0.0)
        plan->frames = std::max(1L, std::lround(options.duration * plan->rate.Value()));
    else if (input)
        plan->frames = ExpectedFrames(*input, plan->rate, options.start, 0.0);
    else
        plan->frames = videoOutput ? std::lround(kStillVideoSeconds * plan->rate.Value()) : 1;
    if (input && plan->frames <= 0 && input->duration > 0.0) {
        *error = "--start " + std::to_string(options.start) + " lies past the end of " + options.input;
        return false;
    }
    if (NeedsEvenSize(container) && (plan->width % 2 || plan->height % 2)) {
        *error = std::string(".") + ContainerName(container) + " video needs an even width and height, not " +
                 std::to_string(plan->width) + "x" + std::to_string(plan->height) + "; choose another --size";
        return false;
    }
    plan->audio = input && input->hasAudio && videoOutput && container != Container::Gif;
    if (plan->audio) plan->audioCodec = input->audioCodec;
    // A render of the whole input keeps the whole sound; a shorter one cuts it to the frames.
    if (options.framesGiven || options.duration > 0.0) plan->audioSeconds = plan->frames / plan->rate.Value();
    return true;
}
