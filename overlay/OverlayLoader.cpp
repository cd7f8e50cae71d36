// Loading the overlay file into textures, and releasing them. Loading runs in the frame,
// on the host's GL thread; every load starts from an empty overlay.
#include <cstdio>
#include <exception>

#include "effect/ZaqVigilomatronic.h"
#include "host/Log.h"
#include "overlay/GuardedDecode.h"
#include "overlay/OverlayAnimation.h"
#include "overlay/OverlayFile.h"
#include "overlay/OverlayPath.h"
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

void ZaqVigilomatronic::LoadOverlay(const std::string& requested) {
    // Releasing empties overlayPath, which may be where `requested` lives.
    const std::string path = requested;
    ReleaseOverlay();
    if (path.empty()) return;
    if (HasGifExtension(path)) {
        LoadGifOverlay(path);
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
        ReleaseOverlay();
        LogFailure(kStillFailure, error.what());
    }
}

void ZaqVigilomatronic::LoadGifOverlay(const std::string& path) {
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
        ReleaseOverlay();
        LogFailure(kGifFailure, error.what());
    }
}

void ZaqVigilomatronic::ReleaseOverlay() {
    if (!overlayFrameTextures.empty()) {
        // overlayTexture is frame 0's name, deleted with the frames, not again.
        for (uint32_t& texture : overlayFrameTextures) DeleteOverlayTexture(texture);
        overlayFrameTextures.clear();
        overlayFrameDelays.clear();
        overlayFrameCount = 0;
        overlayFrameIndex = 0;
        overlayFrameTime = 0.0f;
        overlayTexture = 0;
    } else {
        DeleteOverlayTexture(overlayTexture);
    }
    overlayWidth = 0;
    overlayHeight = 0;
    overlayPath.clear();
}
