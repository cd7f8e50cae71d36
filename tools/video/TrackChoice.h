// What becomes of the input's tracks besides its picture in an output container: each audio
// track, subtitle track and attachment is copied when the container takes it, converted when
// it takes it only in another form, or left out; the notes say which.
#pragma once

#include <string>
#include <vector>

#include "tools/video/OutputFormat.h"
#include "tools/video/VideoInfo.h"

struct TrackCopy {
    int index = 0;      // the track's number in the input
    char kind = 'a';    // 'a' audio, 's' subtitles, 't' attachment
    std::string codec;  // "copy", or the encoder that converts it
};

struct TrackChoice {
    std::vector<TrackCopy> kept;
    // One line per kind of conversion, and one listing every track left out.
    std::vector<std::string> notes;
};

TrackChoice ChooseTracks(const VideoInfo& info, Container container, const std::string& output);
