#include "overlay/drawing/OverlayPicture.h"

#include <GL/glew.h>

#include <algorithm>
#include <utility>

#include "gl/ContextLimits.h"
#include "gl/PixelStore.h"
#include "gl/ReleaseName.h"
#include "gl/Scoped.h"
#include "host/Log.h"
#include "overlay/OverlayAnimation.h"
#include "overlay/drawing/OverlayQuad.h"
#include "overlay/drawing/OverlayTexture.h"
#include "overlay/drawing/UploadAllowance.h"

namespace {

// Frames a picture's uploads may be granted nothing before it may take one step beyond
// the allowance: a texture that costs more than all of it is not starved by others.
constexpr int kPatientFrames = 4;

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
    quadBuffer.Create(kOverlayQuadLayout, kQuadBufferBytes);
    storage = ContextHasTextureStorage() ? TextureStorage::Immutable : TextureStorage::LevelByLevel;
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
    } else if (NeedsRefit(outputSide)) {
        Load(overlayPath, outputSide);
        refitting = true;
    }
    if (!loader.Busy() && incoming.Empty()) return;
    LoaderDelivery delivery = loader.Collect();
    incoming.Add(std::move(delivery.frames));
    if (delivery.outcome) outcome = std::move(delivery.outcome);
    if (outcome && !outcome->succeeded) return Fail(*outcome);
    if (!incoming.Uploaded()) UploadIncoming();
    if (outcome && incoming.Uploaded()) Show(*outcome);
}

void OverlayPicture::UploadIncoming() {
    UploadAllowance& allowance = UploadAllowance::Shared();
    const UploadAllowance::Grant grant = allowance.Ask(this, incoming.Outstanding(), uploadWaits >= kPatientFrames);
    UploadProgress progress;
    if (grant.bytes > 0 || grant.beyond) {
        ResetUnpackState();
        progress = incoming.Upload(grant.bytes, grant.beyond, storage);
    }
    allowance.Spend(progress.spent, progress.spent > grant.bytes);
    uploadWaits = progress.spent > 0 ? 0 : uploadWaits + 1;
    loader.Uploaded(progress.finished);
}

void OverlayPicture::Draw() const {
    const uint32_t texture = CurrentTexture();
    if (texture != 0) DrawPicture(texture, overlayWidth, overlayHeight);
}

void OverlayPicture::WarmUp() const {
    // Three pixels a side, no power of two, as pictures mostly are.
    const MipChain chain = {{{3, 3}, {}}, {{1, 1}, {}}};
    uint32_t texture = CreateOverlayTexture(chain, storage);
    DrawPicture(texture, 3, 3);
    ReleaseTexture(texture);
}

void OverlayPicture::DrawPicture(uint32_t texture, int32_t width, int32_t height) const {
    const std::array<float, 24> vertices = OverlayQuadVertices(width, height);

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
    refitting = false;
    requestedSide = TextureSideFor(outputSide);
    if (!path.empty()) loader.Request(path, requestedSide);
}

bool OverlayPicture::NeedsRefit(int outputSide) const {
    if (overlayTexture == 0 || overlayPath.empty() || Loading()) return false;
    const int wanted = TextureSideFor(outputSide);
    return wanted > fittedSide && std::max(overlayWidth, overlayHeight) > fittedSide;
}

void OverlayPicture::Show(const PreparedOutcome& shown) {
    std::vector<int32_t> delays;
    std::vector<uint32_t> textures = incoming.TakeTextures(&delays);
    const bool samePlay = refitting && shown.animated && textures.size() == overlayFrameTextures.size();
    const OverlayPlayhead playhead{overlayFrameIndex, overlayFrameTime};
    ReleaseTextures();
    overlayWidth = shown.width;
    overlayHeight = shown.height;
    fittedSide = requestedSide;
    if (shown.animated) {
        overlayFrameCount = static_cast<int32_t>(textures.size());
        overlayFrameTextures = std::move(textures);
        overlayFrameDelays = std::move(delays);
        overlayTexture = overlayFrameTextures.empty() ? 0 : overlayFrameTextures[0];
        if (samePlay) {
            overlayFrameIndex = playhead.frameIndex;
            overlayFrameTime = playhead.frameTime;
        }
    } else {
        overlayTexture = textures.empty() ? 0 : textures[0];
        for (size_t i = 1; i < textures.size(); ++i) ReleaseTexture(textures[i]);
    }
    if (!refitting)
        for (const std::string& line : shown.logLines) LogMessage(line.c_str());
    refitting = false;
    outcome.reset();  // last: `shown` may be it
}

// A file that cannot be used leaves no overlay at all, and an empty path; a picture on
// screen that could not be sharpened stays as it is.
void OverlayPicture::Fail(const PreparedOutcome& failed) {
    const std::vector<std::string> lines = failed.logLines;  // `failed` may be the outcome reset here
    incoming.Release();
    outcome.reset();
    if (std::exchange(refitting, false)) return;
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
    fittedSide = 0;
}
