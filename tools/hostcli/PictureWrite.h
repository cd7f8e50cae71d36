// Picture files the headless host writes (frames, thumbnails, the font sheet): PNG, or a
// real JPEG for a .jpg name, written through checked file writes.
#pragma once

#include <cstdint>
#include <string>

enum class PictureKind { Png, Jpeg };

// RGBA pixels in memory, top row first or, as GL reads them, bottom row first.
struct RgbaRows {
    int width = 0;
    int height = 0;
    const uint8_t* pixels = nullptr;
    bool bottomRowFirst = false;
};

// Writes the pixels; "-" is standard output. False with "cannot write PATH: REASON" when
// the size is not positive, the pixels are missing or the file cannot be written (a partial
// file is removed).
bool WritePicture(const std::string& path, PictureKind kind, const RgbaRows& rows, std::string* error);

// JPEG for a .jpg or .jpeg name (in any letter case), PNG for any other.
PictureKind PictureKindFor(const std::string& path);

// A picture of the kind its name asks for, top row first.
bool WritePictureFile(const std::string& path, int width, int height, const uint8_t* rgbaTopDown, std::string* error);

// A PNG, top row first.
bool WritePng(const std::string& path, int width, int height, const uint8_t* rgbaTopDown, std::string* error);
