// The host's side of a frame: an input texture holding a picture in its lower-left corner,
// an output target, and the records that point at them, with any sizes a host may pass.
// Needs a current GL context for its whole life.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "abi/ffgl_abi.h"
#include "tools/hostkit/CallRoute.h"
#include "tools/hostkit/InputTexture.h"
#include "tools/hostkit/RenderTarget.h"

struct FrameShape {
    int width = 64, height = 64;  // output
    int inputWidth = 64, inputHeight = 64;
    // The texture's size as the record claims it; -1 claims the input's own size. The
    // texture is as large as the claim, or as the picture when the claim is smaller.
    int hardwareWidth = -1, hardwareHeight = -1;
    TargetFormat format = TargetFormat::Rgba8;
};

// Loud colour for a texture's padding, so a plug-in that samples past the picture shows it.
constexpr std::array<uint8_t, 4> kPaddingColour = {255, 0, 255, 255};

class HostFrame {
public:
    HostFrame() = default;
    ~HostFrame() { Release(); }
    HostFrame(const HostFrame&) = delete;
    HostFrame& operator=(const HostFrame&) = delete;

    // Makes the output target and the input texture: `picture` (inputWidth x inputHeight
    // RGBA, top row first) in the texture's lower left, the rest `padding`. False with the reason.
    bool Create(const FrameShape& shape, const std::vector<uint8_t>& picture, std::string* error,
                std::array<uint8_t, 4> padding = kPaddingColour);
    void Release();
    // Replaces the picture with another of its size, bottom row first.
    void UploadPicture(const uint8_t* rgbaBottomUp);

    // Binds the output and its viewport, as a host does before handing a frame over.
    void Bind() const;
    // Code 17 with the output bound, as hosts call it, through the route.
    uint64_t Render(CallRoute& route, void* instance);
    uint64_t Render(CallRoute& route, void* instance, const ffgl::ProcessingRecord* processing,
                    const std::string& what);

    std::string Text() const;  // "64x64 output, 64x64 input"

    // Fills the output with a colour no effect makes of a grey input, and tells
    // afterwards whether the frame drew over it.
    void ClearToSentinel();
    bool OutputWritten() const;

    RenderTarget target;
    InputTexture input;
    ffgl::TextureRecord texture{};
    ffgl::TextureRecord* inputs[1] = {&texture};
    ffgl::ProcessingRecord record{};

private:
    FrameShape shape;
};
