// What a render will make, worked out before anything starts: size, rate, number of frames,
// how the input's picture is read (upright, square pixels, its colours, woven fields), what
// the output is tagged with, and which of the input's other tracks go in.
#pragma once

#include <string>
#include <vector>

#include "tools/hostcli/CommandLine.h"
#include "tools/video/FfmpegArguments.h"
#include "tools/video/OutputFormat.h"
#include "tools/video/VideoInfo.h"

// A picture or the test card made into a video lasts this long unless told otherwise.
constexpr double kStillVideoSeconds = 5.0;
constexpr long kStillVideoRate = 30;

struct RenderPlan {
    int width = 0;
    int height = 0;
    FrameRate rate;
    long frames = 0;  // 0: as many as the input holds (its length is not known)
    Container container = Container::Png;
    bool videoInput = false;
    DecodeRequest decode;            // for a video input
    ColourTags colour;               // what a video output is converted to and tagged with
    std::string fieldOrder;          // interlaced frames kept as they are: their field order
    std::vector<TrackCopy> tracks;   // the input's other tracks that go into the output
    bool audio = false;              // the input's audio among them
    double tracksStart = 0.0;        // seconds from the file's start where they begin
    double tracksSeconds = 0.0;      // how much of them; 0: all of them, untouched
    std::vector<std::string> notes;  // for the user, one line each

    double LastFrameSeconds() const { return frames > 1 ? (frames - 1) / rate.Value() : 0.0; }
};

// How ffmpeg is to open the --input: a picture sequence when it names one by a frame-number
// pattern ("frames/f_%03d.png") that is no file itself.
VideoInput InputOf(const HostOptions& options);

// `input` is null for a picture or the test card; a picture file's own size then comes in
// options.width and height. False with a message when the options and the input do not fit
// together.
bool PlanRender(const HostOptions& options, const VideoInfo* input, Container container, RenderPlan* plan,
                std::string* error);

// The decoding of a video shown live: its picture upright and square-pixelled, at --size or
// its own, at --fps or its own rate; `notes` gets what the user should know.
DecodeRequest PlanLive(const HostOptions& options, const VideoInfo& input, std::vector<std::string>* notes);
