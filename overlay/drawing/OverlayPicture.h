// The overlay picture: the file named by the "Overlay Image" parameter, shown as one
// texture or one texture per GIF frame, played at a nominal 60 frames a second and drawn
// small in the centre of the output. Files are read and decoded by the loading threads
// every instance shares; the render thread only uploads, a band at a time, and swaps the
// new picture in at the start of a frame once all of it is there; until then the picture
// on screen stays. It owns the textured-quad program, the quad buffer and every texture of
// the picture.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gl/DynamicBuffer.h"
#include "gl/ShaderProgram.h"
#include "overlay/drawing/IncomingPicture.h"
#include "overlay/drawing/OverlayTexture.h"
#include "overlay/loading/OverlayLoader.h"

class OverlayPicture {
public:
    OverlayPicture() = default;
    // Makes no GL call: the names are freed by Release, while the context is current.
    ~OverlayPicture() = default;
    OverlayPicture(const OverlayPicture&) = delete;
    OverlayPicture& operator=(const OverlayPicture&) = delete;

    // Compiles the textured-quad program and makes the quad buffer, and asks the context
    // how textures get their memory. A failed compile sends its one message to the host's log.
    bool Create(const ShaderSource& texturedQuad);
    // Calls off any load (the loading threads end when no other instance loads), then
    // releases the program, the quad buffer and the picture, which empties the path too.
    void Release();

    // The parameter's text, a null text counting as empty: stored, and loaded from the
    // next frame that finds it not empty. An empty text keeps the picture on screen.
    void SetPath(const char* text);
    const std::string& Path() const { return overlayPath; }

    // Once per processed frame, in this order.
    void Advance();
    // Starts loading a pending path, uploads a share of the picture coming in (what the
    // allowance every instance shares grants), and swaps it in, or removes the overlay
    // when its file could not be used. Pictures are sized for an output whose longer side
    // is `outputSide` pixels (0: not known); one shown on a larger output than it was
    // sized for is fitted again from its file.
    void Update(int outputSide);
    void Draw() const;
    // Draws a tiny texture made as every overlay texture is, with the blending the caller
    // has set, then deletes it: the driver builds the program's code for that at set-up.
    void WarmUp() const;

    // Starts loading `path` on the loading threads, calling off any load in progress.
    void Load(const std::string& path, int outputSide = 0);
    // Whether a load is under way: asked for, and neither shown nor failed yet.
    bool Loading() const { return loader.Busy() || !incoming.Empty(); }
    // Deletes every texture and forgets the picture and its path.
    void ReleasePicture();
    // The texture to show now; 0 when there is nothing to show.
    uint32_t CurrentTexture() const;

private:
    void DrawPicture(uint32_t texture, int32_t width, int32_t height) const;
    // Deletes the picture's textures and forgets its size and frames, keeping the path.
    void ReleaseTextures();
    // A picture on screen that a texture fitted for `outputSide` would show sharper.
    bool NeedsRefit(int outputSide) const;
    void UploadIncoming();
    void Show(const PreparedOutcome& shown);
    void Fail(const PreparedOutcome& failed);

    ShaderProgram texturedQuadShader;
    DynamicBuffer quadBuffer;
    TextureStorage storage = TextureStorage::LevelByLevel;
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
    int32_t fittedSide = 0;         // the longest side the shown picture was fitted within

    OverlayLoader loader;
    int32_t requestedSide = 0;  // the fitting of the load under way
    // The load under way only sharpens the picture on screen: it logs nothing, keeps the
    // animation's place, and when the file can no longer be used the picture stays.
    bool refitting = false;
    IncomingPicture incoming;
    std::optional<PreparedOutcome> outcome;  // of the load coming in, once it is known
    int uploadWaits = 0;                     // frames in a row its uploads were granted nothing
};
