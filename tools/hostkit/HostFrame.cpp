#include "tools/hostkit/HostFrame.h"

#include <GL/glew.h>

#include <algorithm>

#include "tools/hostkit/InstanceCalls.h"

namespace {

// The whole texture, top row first: the picture in its lower-left corner, padding around it.
std::vector<uint8_t> TexturePixels(int width, int height, const FrameShape& shape, const std::vector<uint8_t>& picture,
                                   std::array<uint8_t, 4> padding) {
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
    for (size_t i = 0; i < pixels.size(); i += 4) std::copy(padding.begin(), padding.end(), pixels.begin() + i);
    const size_t rowBytes = static_cast<size_t>(shape.inputWidth) * 4;
    const size_t textureRowBytes = static_cast<size_t>(width) * 4;
    for (int row = 0; row < shape.inputHeight; ++row) {
        const int textureRow = height - shape.inputHeight + row;
        std::copy_n(picture.begin() + static_cast<ptrdiff_t>(row * rowBytes), rowBytes,
                    pixels.begin() + static_cast<ptrdiff_t>(static_cast<size_t>(textureRow) * textureRowBytes));
    }
    return pixels;
}

bool Refuse(std::string* error, const std::string& text) {
    if (error) *error = text;
    return false;
}

}  // namespace

bool HostFrame::Create(const FrameShape& frameShape, const std::vector<uint8_t>& picture, std::string* error,
                       std::array<uint8_t, 4> padding) {
    Release();
    shape = frameShape;
    const int textureWidth = std::max(shape.inputWidth, shape.hardwareWidth);
    const int textureHeight = std::max(shape.inputHeight, shape.hardwareHeight);
    const bool padded = textureWidth != shape.inputWidth || textureHeight != shape.inputHeight;
    const std::vector<uint8_t> pixels =
        padded ? TexturePixels(textureWidth, textureHeight, shape, picture, padding) : picture;
    if (!input.Create(textureWidth, textureHeight, textureWidth, textureHeight, pixels.data()))
        return Refuse(error, "cannot create the input texture");
    input.width = shape.inputWidth;
    input.height = shape.inputHeight;
    const bool ownSize = shape.hardwareWidth < 0 || shape.hardwareHeight < 0;
    texture = {static_cast<uint32_t>(shape.inputWidth), static_cast<uint32_t>(shape.inputHeight),
               static_cast<uint32_t>(ownSize ? shape.inputWidth : shape.hardwareWidth),
               static_cast<uint32_t>(ownSize ? shape.inputHeight : shape.hardwareHeight), input.texture};
    if (!target.Create(shape.width, shape.height, shape.format))
        return Refuse(error, "cannot create a " + std::to_string(shape.width) + "x" + std::to_string(shape.height) +
                                 " output framebuffer");
    record = {1, 0, inputs, target.framebuffer, 0};
    return true;
}

void HostFrame::Release() {
    target.Release();
    input.Release();
}

void HostFrame::UploadPicture(const uint8_t* rgbaBottomUp) {
    glBindTexture(GL_TEXTURE_2D, input.texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, input.width, input.height, GL_RGBA, GL_UNSIGNED_BYTE, rgbaBottomUp);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void HostFrame::Bind() const {
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glViewport(0, 0, target.width, target.height);
}

uint64_t HostFrame::Render(CallRoute& route, void* instance) { return Render(route, instance, &record, Text()); }

uint64_t HostFrame::Render(CallRoute& route, void* instance, const ffgl::ProcessingRecord* processing,
                           const std::string& what) {
    Bind();
    return ProcessFrame(route, instance, processing, what);
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
