#include "overlay/OverlayPicture.h"

#include <GL/glew.h>

#include <cstdio>
#include <exception>

#include "gl/ReleaseName.h"
#include "gl/Scoped.h"
#include "host/Log.h"
#include "overlay/GuardedDecode.h"
#include "overlay/OverlayAnimation.h"
#include "overlay/OverlayFile.h"
#include "overlay/OverlayPath.h"
#include "overlay/OverlayQuad.h"
#include "overlay/OverlayTexture.h"

namespace {

constexpr const char* kStillFailure = "Failed to load overlay image";
constexpr const char* kGifFailure = "Failed to load GIF";

// The failure line, preceded by the reason when the checks (not the decoder) said no.
void LogFailure(const char* failure, const std::string& reason) {
    if (!reason.empty()) LogMessage(("Overlay refused: " + reason).c_str());
    LogMessage(failure);
}

}  // namespace

bool OverlayPicture::Create(const ShaderSource& texturedQuad) {
    if (!texturedQuadShader.Compile(texturedQuad)) {
        LogMessage("Failed to compile textured quad shader");
        return false;
    }
    {
        // The program keeps these: they never change, so no frame sets them again.
        ScopedProgramUse program(texturedQuadShader.ProgramHandle());
        texturedQuadShader.SetInt("OverlayTexture", 0);
        // The overlay keeps its own alpha: the HUD opacity does not reach it.
        texturedQuadShader.SetFloat("Alpha", 1.0f);
    }
    quadBuffer.Create(VertexLayout::Quad, kQuadBufferBytes);
    return true;
}

void OverlayPicture::Release() {
    texturedQuadShader.Release();
    quadBuffer.Release();
    ReleasePicture();
}

void OverlayPicture::SetPath(const char* text) {
    overlayPath = text ? text : "";
    overlayReloadPending = true;
}

void OverlayPicture::Advance() {
    if (overlayFrameCount < 2) return;
    const OverlayPlayhead next = StepOverlayAnimation(overlayFrameDelays, {overlayFrameIndex, overlayFrameTime});
    overlayFrameIndex = next.frameIndex;
    overlayFrameTime = next.frameTime;
}

void OverlayPicture::LoadPending() {
    if (!overlayReloadPending || overlayPath.empty()) return;
    Load(overlayPath);
    overlayReloadPending = false;
}

void OverlayPicture::Draw() const {
    const uint32_t texture = CurrentTexture();
    if (texture == 0) return;
    const std::array<float, 24> vertices = OverlayQuadVertices(overlayWidth, overlayHeight);

    // Its sampler unit and alpha were set once at set-up.
    ScopedProgramUse program(texturedQuadShader.ProgramHandle());
    glBindVertexArray(quadBuffer.VertexArray());
    ScopedActiveTextureUnit unit(0);
    ffglex::Scoped2DTextureBinding binding(texture);
    quadBuffer.UploadAndDraw(vertices.data(), sizeof(float) * vertices.size(), kModeTriangles, 6);
    glBindVertexArray(0);
}

uint32_t OverlayPicture::CurrentTexture() const {
    if (overlayFrameCount <= 1) return overlayTexture;
    if (overlayFrameIndex < 0 || static_cast<size_t>(overlayFrameIndex) >= overlayFrameTextures.size()) return 0;
    return overlayFrameTextures[overlayFrameIndex];
}

void OverlayPicture::Load(const std::string& requested) {
    // Releasing empties overlayPath, which may be where `requested` lives.
    const std::string path = requested;
    ReleasePicture();
    if (path.empty()) return;
    if (HasGifExtension(path)) {
        LoadGif(path);
        return;
    }
    try {
        OverlayFile file = ReadOverlayFile(path);
        if (!file.complete) return LogFailure(kStillFailure, file.problem);
        const DecodedPicture picture = DecodePicture(std::move(file.bytes));
        if (!picture.pixels) return LogFailure(kStillFailure, picture.refusal);
        overlayTexture = CreateOverlayTexture(picture.width, picture.height, picture.pixels.get());
        overlayWidth = picture.width;
        overlayHeight = picture.height;
        overlayPath = path;
        overlayReloadPending = false;
    } catch (const std::exception& error) {
        ReleasePicture();
        LogFailure(kStillFailure, error.what());
    }
}

void OverlayPicture::LoadGif(const std::string& path) {
    try {
        OverlayFile file = ReadOverlayFile(path);
        if (!file.opened) return;
        if (!file.complete) return LogFailure(kGifFailure, file.problem);
        const DecodedAnimation animation = DecodeAnimation(std::move(file.bytes));
        if (!animation.pixels || animation.frameCount < 1) return LogFailure(kGifFailure, animation.refusal);

        // Sized before any texture exists, so a failed allocation leaves nothing behind.
        overlayFrameTextures.assign(animation.frameCount, 0);
        overlayFrameDelays.assign(animation.frameCount, 0);
        overlayWidth = animation.width;
        overlayHeight = animation.height;
        overlayFrameCount = animation.frameCount;
        overlayFrameIndex = 0;
        overlayFrameTime = 0.0f;
        overlayPath = path;
        overlayReloadPending = false;
        const size_t frameBytes = FrameBytes(animation.width, animation.height);
        for (int frame = 0; frame < animation.frameCount; ++frame) {
            overlayFrameDelays[frame] = DisplayDelay(animation.delays[frame]);
            overlayFrameTextures[frame] =
                CreateOverlayTexture(animation.width, animation.height, animation.pixels.get() + frameBytes * frame);
        }
        overlayTexture = overlayFrameTextures[0];
        char line[128];
        std::snprintf(line, sizeof line, "Loaded GIF: %dx%d, %d frames", animation.width, animation.height,
                      animation.frameCount);
        LogMessage(line);
    } catch (const std::exception& error) {
        ReleasePicture();
        LogFailure(kGifFailure, error.what());
    }
}

void OverlayPicture::ReleasePicture() {
    if (!overlayFrameTextures.empty()) {
        // overlayTexture is frame 0's name, deleted with the frames, not again.
        for (uint32_t& texture : overlayFrameTextures) ReleaseTexture(texture);
        overlayFrameTextures.clear();
        overlayFrameDelays.clear();
        overlayFrameCount = 0;
        overlayFrameIndex = 0;
        overlayFrameTime = 0.0f;
        overlayTexture = 0;
    } else {
        ReleaseTexture(overlayTexture);
    }
    overlayWidth = 0;
    overlayHeight = 0;
    overlayPath.clear();
}
