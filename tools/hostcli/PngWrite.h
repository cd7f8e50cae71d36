// PNG output for the headless host's pictures (frames, thumbnails, the font sheet).
#pragma once

#include <cstdint>
#include <string>

// Writes width x height RGBA pixels, top row first, as a PNG file.
// False when the size is not positive, the pixels are missing or the file cannot be written.
bool WritePng(const std::string& path, int width, int height, const uint8_t* rgbaTopDown);
