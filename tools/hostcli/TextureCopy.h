// The cheapest frame a host could make of the same input: the input texture drawn over
// the whole output with a pass-through shader. The bench measures it beside the plug-in
// so that the processing pass's cost reads as a ratio to a plain copy.
#pragma once

#include <cstdint>
#include <string>

#include "tools/hostcli/Picture.h"
#include "tools/hostkit/HostFrame.h"

class TextureCopy {
public:
    TextureCopy() = default;
    ~TextureCopy() { Stop(); }
    TextureCopy(const TextureCopy&) = delete;
    TextureCopy& operator=(const TextureCopy&) = delete;

    // Needs a current GL context until Stop.
    bool Start(const Picture& picture, int width, int height, std::string* error);
    void RenderFrame();
    void Stop();

private:
    HostFrame textures;
    uint32_t program = 0;
    uint32_t vertexArray = 0;
};
