// The full-screen quad of the processing pass: two triangles in clip space.
#pragma once

#include <cstdint>

class ScreenQuad {
public:
    ScreenQuad() = default;
    // Makes no GL call: the names are freed by Release, while the context is current.
    ~ScreenQuad() = default;
    ScreenQuad(const ScreenQuad&) = delete;
    ScreenQuad& operator=(const ScreenQuad&) = delete;

    // Releases a quad held from before; false, with nothing held, when GL gives no names.
    bool Create();
    // Draws nothing unless created.
    void Draw() const;
    void Release();

private:
    uint32_t vertexArray = 0;
    uint32_t vertexBuffer = 0;
};
