// Picture files read by the headless host: inputs, and the tests' look at what it wrote.
#pragma once

#include <string>

#include "tools/hostcli/Picture.h"

// Decodes a PNG, JPEG, BMP or TGA file into RGBA; false with the decoder's reason.
bool LoadPicture(const std::string& path, Picture* picture, std::string* error);
