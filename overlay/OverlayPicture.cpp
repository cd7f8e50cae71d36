#include "overlay/OverlayPicture.h"

#include <GL/glew.h>

#include "gl/PixelStore.h"
#include "gl/ReleaseName.h"
#include "gl/Scoped.h"
#include "host/Log.h"
#include "overlay/OverlayAnimation.h"
#include "overlay/OverlayQuad.h"

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
    loader.Stop();
    incoming.Release();
    outcome.reset();
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

void OverlayPicture::Update(int outputSide) {
    if (overlayReloadPending && !overlayPath.empty()) {
        Load(overlayPath, outputSide);
        overlayReloadPending = false;
    }
    if (!loader.Busy() && incoming.Empty()) return;
    LoaderDelivery delivery = loader.Collect();
    incoming.Add(std::move(delivery.frames));
    if (delivery.outcome) outcome = std::move(delivery.outcome);
    if (outcome && !outcome->succeeded) return Fail(*outcome);
    if (!incoming.Uploaded()) {
        ResetUnpackState();
        loader.Uploaded(incoming.Upload(kUploadBytesPerFrame));
    }
    if (outcome && incoming.Uploaded()) Show(*outcome);
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

void OverlayPicture::Load(const std::string& path, int outputSide) {
    incoming.Release();
    outcome.reset();
    overlayPath = path;
    overlayReloadPending = false;
    if (!path.empty()) loader.Request(path, TextureSideFor(outputSide));
}

void OverlayPicture::Show(const PreparedOutcome& shown) {
    std::vector<int32_t> delays;
    std::vector<uint32_t> textures = incoming.TakeTextures(&delays);
    ReleaseTextures();
    overlayWidth = shown.width;
    overlayHeight = shown.height;
    if (shown.animated) {
        overlayFrameCount = static_cast<int32_t>(textures.size());
        overlayFrameTextures = std::move(textures);
        overlayFrameDelays = std::move(delays);
        overlayTexture = overlayFrameTextures.empty() ? 0 : overlayFrameTextures[0];
    } else {
        overlayTexture = textures.empty() ? 0 : textures[0];
        for (size_t i = 1; i < textures.size(); ++i) ReleaseTexture(textures[i]);
    }
    for (const std::string& line : shown.logLines) LogMessage(line.c_str());
    outcome.reset();  // last: `shown` may be it
}

// A file that cannot be used leaves no overlay at all, and an empty path.
void OverlayPicture::Fail(const PreparedOutcome& failed) {
    const std::vector<std::string> lines = failed.logLines;  // `failed` may be the outcome reset here
    incoming.Release();
    outcome.reset();
    ReleasePicture();
    for (const std::string& line : lines) LogMessage(line.c_str());
}

void OverlayPicture::ReleasePicture() {
    ReleaseTextures();
    overlayPath.clear();
}

void OverlayPicture::ReleaseTextures() {
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
}
