// Writes the fuzzer's seed files: each format once, and the awkward GIF and JPEG shapes
// the guards are about (restore-to-previous frames, odd graphic controls, big tables).
#include <cstdio>
#include <string>

#include "tests/overlay/PictureFiles.h"

using namespace overlay_test;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write-seeds FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const Picture picture = SplitPicture(9, 7, {250, 20, 20, 255}, {20, 20, 250, 128});
    WriteFile(folder + "picture.png", EncodePng(picture));
    WriteFile(folder + "picture.jpg", EncodeJpeg(picture));
    WriteFile(folder + "picture.bmp", EncodeBmp(picture));
    WriteFile(folder + "picture.tga", EncodeTga(picture));
    WriteFile(folder + "big-table.jpg", JpegWithHuffmanCodes(EncodeJpeg(picture), 256));
    const std::vector<Rgba> palette = {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}};
    WriteFile(folder + "frames.gif", SolidFramesGif(5, 3, palette, 4, 3));
    std::vector<GifFrame> frames;
    frames.reserve(4);
    for (int i = 0; i < 4; ++i) frames.push_back({i, i % 2, 2, 1, {uint8_t(i % 3), 1}, 0, 3 - (i % 2)});
    Bytes gif = EncodeGif(6, 2, palette, frames);
    WriteFile(folder + "disposal.gif", gif);
    gif[13 + 768 + 2] = 5;  // a graphic control of unusual length
    WriteFile(folder + "odd-control.gif", gif);
    return 0;
}
