#include "tools/validate/HostFrame.h"

#include <GL/glew.h>

#include <algorithm>
#include <vector>

namespace {

std::vector<uint8_t> InputPixels(int width, int height, int pictureWidth, int pictureHeight) {
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* pixel = &pixels[(static_cast<size_t>(y) * width + x) * 4];
            const bool padding = x >= pictureWidth || y >= pictureHeight;
            const bool square =
                x > pictureWidth / 4 && x < pictureWidth * 3 / 4 && y > pictureHeight / 4 && y < pictureHeight * 3 / 4;
            const uint8_t grey = square ? 200 : 96;
            pixel[0] = padding ? 255 : grey;
            pixel[1] = padding ? 0 : grey;
            pixel[2] = padding ? 255 : grey;
            pixel[3] = 255;
        }
    return pixels;
}

}  // namespace

bool HostFrame::Create(const FrameShape& frameShape) {
    Release();
    shape = frameShape;
    // The texture is as large as the record claims, or the picture when it claims less.
    const int textureWidth = std::max(shape.inputWidth, shape.hardwareWidth);
    const int textureHeight = std::max(shape.inputHeight, shape.hardwareHeight);
    const std::vector<uint8_t> pixels = InputPixels(textureWidth, textureHeight, shape.inputWidth, shape.inputHeight);
    // The picture sits in the texture's lower-left corner: upload it whole, padding included.
    if (!input.Create(textureWidth, textureHeight, textureWidth, textureHeight, pixels.data())) return false;
    const bool ownSize = shape.hardwareWidth < 0 || shape.hardwareHeight < 0;
    texture = {static_cast<uint32_t>(shape.inputWidth), static_cast<uint32_t>(shape.inputHeight),
               static_cast<uint32_t>(ownSize ? shape.inputWidth : shape.hardwareWidth),
               static_cast<uint32_t>(ownSize ? shape.inputHeight : shape.hardwareHeight), input.texture};
    if (!target.Create(shape.width, shape.height, shape.format)) return false;
    record = {1, 0, inputs, target.framebuffer, 0};
    return true;
}

void HostFrame::Release() {
    target.Release();
    input.Release();
}

uint64_t HostFrame::Render(Subject& subject, void* instance) { return Render(subject, instance, &record, Text()); }

uint64_t HostFrame::Render(Subject& subject, void* instance, const ffgl::ProcessingRecord* processing,
                           const std::string& what) {
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glViewport(0, 0, target.width, target.height);
    return subject.Call(ffgl::kProcessFrame, ffgl::PointerBits(processing), instance, what);
}

std::string HostFrame::Text() const {
    std::string text = std::to_string(shape.width) + "x" + std::to_string(shape.height) + " output, " +
                       std::to_string(shape.inputWidth) + "x" + std::to_string(shape.inputHeight) + " input";
    if (texture.hardwareWidth != texture.width || texture.hardwareHeight != texture.height)
        text += " in a " + std::to_string(texture.hardwareWidth) + "x" + std::to_string(texture.hardwareHeight) +
                " texture";
    return text;
}

void HostFrame::ClearToSentinel() {
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glClearColor(1.0f, 0.0f, 1.0f, 0.5f);
    glClear(GL_COLOR_BUFFER_BIT);
}

bool HostFrame::OutputWritten() const {
    const std::vector<uint8_t> pixels = target.ReadPixels();
    for (size_t i = 0; i < pixels.size(); i += 4)
        if (pixels[i] != 255 || pixels[i + 1] != 0 || pixels[i + 2] != 255 || pixels[i + 3] < 127 ||
            pixels[i + 3] > 128)
            return true;
    return false;
}
