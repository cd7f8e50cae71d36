// The overlay picture: the file named by the "Overlay Image" parameter, decoded into one
// texture or one texture per GIF frame, played at a nominal 60 frames a second and drawn
// small in the centre of the output. It owns the textured-quad program, the quad buffer
// and every texture of the picture; loading runs in the frame, on the host's GL thread,
// and every load starts from an empty overlay.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gl/DynamicBuffer.h"
#include "gl/ShaderProgram.h"

class OverlayPicture {
public:
    OverlayPicture() = default;
    OverlayPicture(const OverlayPicture&) = delete;
    OverlayPicture& operator=(const OverlayPicture&) = delete;

    // Compiles the textured-quad program and makes the quad buffer. A failed compile
    // sends its one message to the host's log.
    bool Create(const ShaderSource& texturedQuad);
    // The program and the quad buffer, then the picture, which empties the path too.
    void Release();

    // The parameter's text, a null text counting as empty: stored, and loaded by the next
    // frame that finds it not empty. An empty text keeps the picture on screen.
    void SetPath(const char* text);
    const std::string& Path() const { return overlayPath; }
    bool ReloadPending() const { return overlayReloadPending; }

    // Once per processed frame, in this order.
    void Advance();
    void LoadPending();
    void Draw() const;

    // Releases the picture, then reads the file: a GIF (by its extension) or a still.
    void Load(const std::string& path);
    void LoadGif(const std::string& path);
    // Deletes every texture and forgets the picture and its path.
    void ReleasePicture();
    // The texture to show now; 0 when there is nothing to show.
    uint32_t CurrentTexture() const;

    uint32_t Texture() const { return overlayTexture; }
    int32_t FrameCount() const { return overlayFrameCount; }
    int32_t FrameIndex() const { return overlayFrameIndex; }
    const std::vector<uint32_t>& FrameTextures() const { return overlayFrameTextures; }
    const std::vector<int32_t>& FrameDelays() const { return overlayFrameDelays; }
    const ShaderProgram& Program() const { return texturedQuadShader; }
    const DynamicBuffer& Buffer() const { return quadBuffer; }

private:
    ShaderProgram texturedQuadShader;
    DynamicBuffer quadBuffer;
    // For a GIF, frame 0's texture, which overlayFrameTextures also holds.
    uint32_t overlayTexture = 0;
    int32_t overlayWidth = 0;
    int32_t overlayHeight = 0;
    std::string overlayPath;
    bool overlayReloadPending = false;
    int32_t overlayFrameCount = 0;  // 0 or 1: no animation
    std::vector<uint32_t> overlayFrameTextures;
    std::vector<int32_t> overlayFrameDelays;  // milliseconds, every one above 0
    int32_t overlayFrameIndex = 0;
    float overlayFrameTime = 0.0f;  // milliseconds towards the next frame
};
