// The two GL objects every headless frame needs: the input picture as a texture and the
// output target the frame is drawn into, created and released together.
#pragma once

#include <string>

#include "tools/hostcli/Picture.h"
#include "tools/hostkit/InputTexture.h"
#include "tools/hostkit/RenderTarget.h"

struct FrameTextures {
    InputTexture input;
    RenderTarget target;

    // Uploads the picture into a hardwareWidth x hardwareHeight allocation and makes a
    // width x height output; false with the reason.
    bool Create(const Picture& picture, int hardwareWidth, int hardwareHeight, int width, int height,
                std::string* error);
    // Binds the output and its viewport, as a host does before handing a frame over.
    void Bind() const;
    void Release();
};
