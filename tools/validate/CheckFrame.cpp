#include "tools/validate/CheckFrame.h"

#include <vector>

namespace {

std::vector<uint8_t> GreyPicture(int width, int height) {
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* pixel = &pixels[(static_cast<size_t>(y) * width + x) * 4];
            const bool square = x > width / 4 && x < width * 3 / 4 && y > height / 4 && y < height * 3 / 4;
            const uint8_t grey = square ? 200 : 96;
            pixel[0] = pixel[1] = pixel[2] = grey;
            pixel[3] = 255;
        }
    return pixels;
}

}  // namespace

bool CreateCheckFrame(HostFrame& frame, const FrameShape& shape) {
    std::string ignored;
    return frame.Create(shape, GreyPicture(shape.inputWidth, shape.inputHeight), &ignored);
}
