#include "tools/render/FrameSource.h"

#include <algorithm>
#include <cstring>

#include "tools/hostcli/InputPicture.h"

bool FrameSource::OpenStill(const std::string& input, int width, int height, std::string* error) {
    video = false;
    return LoadInputPicture(input, width, height, &still, error);
}

void FrameSource::FitStill(int width, int height) {
    // Only an odd side the output cannot take is cut; --size otherwise scales the picture.
    const int extraWidth = still.width - width, extraHeight = still.height - height;
    if (extraWidth < 0 || extraHeight < 0 || extraWidth + extraHeight == 0 || extraWidth > 1 || extraHeight > 1) return;
    Picture cut{std::min(width, still.width), std::min(height, still.height), {}};
    cut.rgba.resize(static_cast<size_t>(cut.width) * cut.height * 4);
    for (int y = 0; y < cut.height; ++y)
        std::memcpy(cut.rgba.data() + static_cast<size_t>(y) * cut.width * 4, still.At(0, y),
                    static_cast<size_t>(cut.width) * 4);
    still = std::move(cut);
}

bool FrameSource::OpenVideo(const DecodeRequest& request, bool live, std::string* error) {
    video = true;
    // The input texture is made from a blank picture and filled frame by frame.
    still = Picture{request.width, request.height,
                    std::vector<uint8_t>(static_cast<size_t>(request.width) * request.height * 4)};
    return decoder.Start(request, live, error);
}
