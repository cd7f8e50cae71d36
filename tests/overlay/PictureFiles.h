// Overlay test files made at test time: small encoders of our own for GIF, BMP and TGA,
// stb_image_write for PNG and JPEG, and the hostile variants the guards must stop.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/Color.h"

namespace overlay_test {

using Bytes = std::vector<uint8_t>;

// Pixels top row first, as files store them.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;
};

Picture SolidPicture(int width, int height, Rgba color);
// The upper half one colour, the lower half another: shows whether rows end up upright.
Picture SplitPicture(int width, int height, Rgba top, Rgba bottom);
// Squares of `cell` pixels in two colours: shows whether a picture is drawn sharp.
Picture CheckerPicture(int width, int height, int cell, Rgba one, Rgba other);

Bytes EncodePng(const Picture& picture);
Bytes EncodeJpeg(const Picture& picture);
Bytes EncodeBmp(const Picture& picture);  // 24-bit, opaque
Bytes EncodeTga(const Picture& picture);  // 32-bit, uncompressed

struct GifFrame {
    int x = 0, y = 0, width = 0, height = 0;
    std::vector<uint8_t> indices;  // palette indices, top row first
    int delayCentiseconds = 10;
    int disposal = 0;
    bool graphicControl = true;
};

// A GIF with a 256-entry global palette; its LZW stream never grows past 9-bit codes.
Bytes EncodeGif(int screenWidth, int screenHeight, const std::vector<Rgba>& palette,
                const std::vector<GifFrame>& frames);
// An animation of full-screen frames, frame i filled with palette entry i % palette size.
Bytes SolidFramesGif(int width, int height, const std::vector<Rgba>& palette, int frameCount, int delayCentiseconds);
// Just a header and screen descriptor claiming the given size, then a trailer.
Bytes GifHeaderOnly(int screenWidth, int screenHeight);

// A PNG of one colour at any size, made in a moment: every row after the first repeats the
// one above, written as back-references (width at most 8192).
Bytes SolidPng(int width, int height, Rgba color);

// A JPEG whose first Huffman table declares `codes` codes.
Bytes JpegWithHuffmanCodes(const Bytes& jpeg, int codes);
// A copy whose width and height fields claim another size (PNG, BMP, TGA, JPEG).
Bytes PngClaiming(const Bytes& png, uint32_t width, uint32_t height);
Bytes BmpClaiming(const Bytes& bmp, int32_t width, int32_t height);
Bytes TgaClaiming(const Bytes& tga, uint16_t width, uint16_t height);
Bytes JpegClaiming(const Bytes& jpeg, uint16_t width, uint16_t height);

// The whole file, or nothing when it cannot be read.
Bytes ReadFile(const std::string& path);
// Replaces the file with `bytes`; like ReadFile, it fails silently.
void WriteFile(const std::string& path, const Bytes& bytes);

// Files in a fresh folder that lives as long as the object.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    // A copy would remove the folder while the original still writes into it.
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string Write(const std::string& name, const Bytes& bytes) const;
    std::string Path(const std::string& name) const { return folder + "/" + name; }

private:
    std::string folder;
};

}  // namespace overlay_test
