// What a render will make, worked out before anything starts: size, rate, number of frames
// and where the audio comes from.
#pragma once

#include <string>

#include "tools/hostcli/CommandLine.h"
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
    bool audio = false;  // the input's audio goes into the output
    std::string audioCodec;
    double audioSeconds = 0.0;  // how much of the audio; 0: all of it, untouched

    double LastFrameSeconds() const { return frames > 1 ? (frames - 1) / rate.Value() : 0.0; }
};

// `input` is null for a picture or the test card. False with a message when the options
// and the input do not fit together.
bool PlanRender(const HostOptions& options, const VideoInfo* input, Container container, RenderPlan* plan,
                std::string* error);
