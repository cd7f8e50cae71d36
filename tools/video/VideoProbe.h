// Reads what an input holds through ffprobe, with one clear line for each way it can fail.
#pragma once

#include <string>

#include "tools/video/FfmpegArguments.h"
#include "tools/video/VideoInfo.h"

// False with "cannot read clip.mp4: No such file or directory", "... has no video
// stream", "... holds no video frames", or that ffprobe is missing. A rate that varies is
// measured from the frames' timestamps.
bool ProbeVideo(const VideoInput& input, VideoInfo* info, std::string* error);
