#include "tools/render/FrameSource.h"

#include "tools/hostcli/InputPicture.h"

bool FrameSource::OpenStill(const std::string& input, int width, int height, std::string* error) {
    video = false;
    return LoadInputPicture(input, width, height, &still, error);
}

bool FrameSource::OpenVideo(const DecodeRequest& request, bool live, std::string* error) {
    video = true;
    // The input texture is made from a blank picture and filled frame by frame.
    still = Picture{request.width, request.height,
                    std::vector<uint8_t>(static_cast<size_t>(request.width) * request.height * 4)};
    return decoder.Start(request, live, error);
}
