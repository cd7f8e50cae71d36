// The host's side of a frame as the validator makes it: an output target, an input
// texture and the records that point at them, with any sizes a host may pass.
#pragma once

#include <string>

#include "abi/ffgl_abi.h"
#include "tools/hostkit/InputTexture.h"
#include "tools/hostkit/RenderTarget.h"
#include "tools/validate/Subject.h"

struct FrameShape {
    int width = 64, height = 64;  // output
    int inputWidth = 64, inputHeight = 64;
    // The texture's size as the record claims it; -1 claims the input's own size.
    int hardwareWidth = -1, hardwareHeight = -1;
    TargetFormat format = TargetFormat::Rgba8;
};

class HostFrame {
public:
    HostFrame() = default;
    ~HostFrame() { Release(); }
    HostFrame(const HostFrame&) = delete;
    HostFrame& operator=(const HostFrame&) = delete;

    // A grey input picture with a lighter square, its padding (if any) magenta.
    bool Create(const FrameShape& shape);
    void Release();

    // Code 17 with the host's framebuffer bound and its viewport set, as hosts call it.
    uint64_t Render(Subject& subject, void* instance);
    uint64_t Render(Subject& subject, void* instance, const ffgl::ProcessingRecord* processing,
                    const std::string& what);

    std::string Text() const;  // "64x64 output, 64x64 input"

    // Fills the output with a colour no effect makes of the grey input, and tells
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
