#include "tools/render/RenderPlan.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tools/hostcli/InputPicture.h"
#include "tools/video/TrackChoice.h"
#include "tools/video/VideoColour.h"

namespace {

// H.264 and VP9 in 4:2:0 halve the colour planes in both directions.
bool NeedsEvenSize(Container container) {
    return container == Container::Mp4 || container == Container::Webm || container == Container::Matroska;
}

std::string SizeText(int width, int height) { return std::to_string(width) + "x" + std::to_string(height); }

std::string SecondsText(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", seconds);
    return text;
}

int RoundTo(double value, bool even) {
    return even ? std::max(2, 2 * static_cast<int>(std::lround(value / 2.0)))
                : std::max(1, static_cast<int>(std::lround(value)));
}

// The picture as a player shows it: turned upright, its pixels made square, and, where the
// codec needs even sides, an odd side cut by one pixel.
struct ShownPicture {
    int width = 0;
    int height = 0;
    int cropWidth = 0;  // of the upright picture before scaling; 0: whole
    int cropHeight = 0;
};

// The picture whole, or, where the codec needs even sides (`why` says so), an odd side cut by one pixel.
ShownPicture EvenSides(int width, int height, const std::string& why, const std::string& name,
                       std::vector<std::string>* notes) {
    if (why.empty() || (width % 2 == 0 && height % 2 == 0)) return {width, height};
    const ShownPicture cut{width & ~1, height & ~1, width & ~1, height & ~1};
    notes->push_back(name + " is " + SizeText(width, height) + ": cut by one pixel to " +
                     SizeText(cut.width, cut.height) + ", " + why);
    return cut;
}

ShownPicture ShowPicture(const VideoInfo& info, const std::string& why, const std::string& name,
                         std::vector<std::string>* notes) {
    const bool turned = info.rotation % 180 == 90;
    const int uprightWidth = turned ? info.height : info.width, uprightHeight = turned ? info.width : info.height;
    // The pixel shape stretches the stored width, which a quarter turn stands on end.
    const double stretch = static_cast<double>(info.aspectNumerator) / info.aspectDenominator;
    if (std::fabs(stretch - 1.0) > 1e-3) {
        const ShownPicture shown{RoundTo(uprightWidth * (turned ? 1.0 : stretch), !why.empty()),
                                 RoundTo(uprightHeight * (turned ? stretch : 1.0), !why.empty())};
        notes->push_back(name + " has non-square pixels (" + std::to_string(info.aspectNumerator) + ":" +
                         std::to_string(info.aspectDenominator) + "): rendered with square pixels at " +
                         SizeText(shown.width, shown.height) + ", the shape it is shown in");
        return shown;
    }
    return EvenSides(uprightWidth, uprightHeight, why, name, notes);
}

std::string FieldNote(const VideoInfo& info, const std::string& name) {
    const bool topFirst = info.fieldOrder == "tt" || info.fieldOrder == "tb";
    return name + " is interlaced (" + (topFirst ? "top" : "bottom") +
           " field first): its fields are woven into whole frames (bwdif); --no-deinterlace keeps them as they are";
}

std::string RateNote(const VideoInfo& info, const std::string& name) {
    char text[160];
    std::snprintf(text, sizeof text, "'s frame rate varies (%.3g to %.3g fps): rendered at %.3g fps, ", info.lowestRate,
                  info.rate.Value(), info.rate.Value());
    return name + text + "slower parts' frames repeated, none dropped";
}

// How the decoder reads a video, whatever the output.
DecodeRequest DecodeOf(const HostOptions& options, const VideoInfo& info, const ShownPicture& shown,
                       std::vector<std::string>* notes) {
    DecodeRequest request;
    request.input = InputOf(options);
    request.width = shown.width;
    request.height = shown.height;
    request.rate = options.rate.numerator > 0 ? options.rate : info.rate;
    request.rotation = info.rotation;
    request.cropWidth = shown.cropWidth;
    request.cropHeight = shown.cropHeight;
    request.deinterlace = info.interlaced && !options.noDeinterlace;
    request.colour = InputColour(info);
    request.toSdr = info.sdrFilters && !ToSdrFilters(request.colour).empty();
    request.layout =
        DecodesAsYuv420(info.pixelFormat) && !request.toSdr ? FrameLayout::Yuv420Planes : FrameLayout::RgbaBottomUp;
    if (request.deinterlace) notes->push_back(FieldNote(info, options.input));
    if (info.variableRate && options.rate.numerator == 0) notes->push_back(RateNote(info, options.input));
    const std::string colourNote = ColourNote(info, options.input);
    if (!colourNote.empty()) notes->push_back(colourNote);
    return request;
}

// The frames a render makes; a length asked for past the input's end is cut to it, with a note.
long PlanFrames(const HostOptions& options, const VideoInfo* input, const RenderPlan& plan, bool videoOutput,
                std::vector<std::string>* notes) {
    if (!options.framesGiven && options.duration <= 0.0) {
        if (input) return ExpectedFrames(*input, plan.rate, options.start, 0.0);
        return videoOutput ? std::lround(kStillVideoSeconds * plan.rate.Value()) : 1;
    }
    const long asked =
        options.framesGiven ? options.frames : std::max(1L, std::lround(options.duration * plan.rate.Value()));
    if (!input || input->duration <= 0.0) return asked;
    const long there = ExpectedFrames(*input, plan.rate, options.start, 0.0);
    if (there <= 0 || asked <= there) return asked;
    notes->push_back(std::string(options.framesGiven ? "--frames" : "--duration") + " runs past the end of " +
                     options.input + " (" + SecondsText(std::max(0.0, input->duration - options.start)) +
                     (options.start > 0.0 ? " after --start" : "") + "): it has " + std::to_string(there) +
                     " frames to render, not " + std::to_string(asked));
    return there;
}

}  // namespace

VideoInput InputOf(const HostOptions& options) {
    if (!IsPictureSequence(options.input)) return {options.input, {0, 1}};
    return {options.input, options.rate.numerator > 0 ? options.rate : FrameRate{kStillVideoRate, 1}};
}

bool PlanRender(const HostOptions& options, const VideoInfo* input, Container container, RenderPlan* plan,
                std::string* error) {
    *plan = {};
    plan->container = container;
    plan->videoInput = input != nullptr;
    const bool videoOutput = IsVideo(container);
    if (!input && options.start > 0.0) {
        *error = "--start needs a video input";
        return false;
    }
    const bool evenSides = NeedsEvenSize(container);
    const std::string why =
        evenSides ? std::string("as .") + ContainerName(container) + " (4:2:0) needs even sides" : std::string();
    ShownPicture shown{options.width, options.height};
    if (input && !options.sizeGiven) shown = ShowPicture(*input, why, options.input, &plan->notes);
    // A picture file keeps its own size (in options.width and height) but for an odd side.
    if (!input && options.input != "testcard" && !options.sizeGiven)
        shown = EvenSides(options.width, options.height, why, options.input, &plan->notes);
    plan->width = shown.width;
    plan->height = shown.height;
    plan->rate = options.rate.numerator > 0           ? options.rate
                 : input && input->rate.numerator > 0 ? input->rate
                                                      : FrameRate{kStillVideoRate, 1};
    plan->frames = PlanFrames(options, input, *plan, videoOutput, &plan->notes);
    if (input && plan->frames <= 0 && input->duration > 0.0) {
        *error = "--start " + std::to_string(options.start) + " lies past the end of " + options.input;
        return false;
    }
    if (evenSides && (plan->width % 2 || plan->height % 2)) {
        *error = std::string(".") + ContainerName(container) + " video needs an even width and height, not " +
                 SizeText(plan->width, plan->height) + "; choose another --size";
        return false;
    }
    plan->colour = OutputColour(plan->width, plan->height);
    if (!input) return true;
    plan->decode = DecodeOf(options, *input, shown, &plan->notes);
    plan->decode.rate = plan->rate;
    plan->decode.start = options.start;
    plan->decode.frames = plan->frames;
    if (input->interlaced && options.noDeinterlace) plan->fieldOrder = input->fieldOrder;
    if (!videoOutput) return true;
    const TrackChoice tracks =
        ChooseTracks(*input, container, options.output == "-" ? "standard output" : options.output);
    plan->tracks = tracks.kept;
    plan->notes.insert(plan->notes.end(), tracks.notes.begin(), tracks.notes.end());
    plan->audio =
        std::any_of(tracks.kept.begin(), tracks.kept.end(), [](const TrackCopy& track) { return track.kind == 'a'; });
    // The tracks start with the first frame: the later of the picture's start and --start.
    plan->tracksStart = std::max(input->videoStart - input->formatStart, options.start);
    // A render of the whole input keeps the whole sound; a shorter one cuts it to the frames.
    if (options.framesGiven || options.duration > 0.0) plan->tracksSeconds = plan->frames / plan->rate.Value();
    return true;
}

DecodeRequest PlanLive(const HostOptions& options, const VideoInfo& input, std::vector<std::string>* notes) {
    ShownPicture shown{options.width, options.height};
    if (!options.sizeGiven) shown = ShowPicture(input, "", options.input, notes);
    return DecodeOf(options, input, shown, notes);
}
