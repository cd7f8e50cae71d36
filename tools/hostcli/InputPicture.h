// The picture a render or bench feeds the plug-in: the test card or a file.
#pragma once

#include <string>

#include "tools/hostcli/Picture.h"

// "testcard" makes the built-in card at the output size; anything else is a file.
bool LoadInputPicture(const std::string& input, int width, int height, Picture* picture, std::string* error);

// "frames/f_%03d.png": a frame-number pattern that is no file's name itself, read as a video.
bool IsPictureSequence(const std::string& input);

// True for the test card and the picture files LoadInputPicture reads (by extension);
// anything else is a video for ffmpeg, a picture sequence's pattern too ("f_%03d.png").
bool IsStillInput(const std::string& input);
