// The full-screen quad of the processing pass: two triangles in clip space.
#pragma once

#include <cstdint>

class ScreenQuad {
public:
    bool Create();
    void Draw() const;
    void Release();

    uint32_t vertexArray = 0;
    uint32_t vertexBuffer = 0;
};
