#include "overlay/loading/OverlayPreparation.h"

#include <cstdio>
#include <exception>

#include "overlay/OverlayAnimation.h"
#include "overlay/loading/GuardedDecode.h"
#include "overlay/loading/OverlayFile.h"
#include "overlay/loading/OverlayPath.h"

namespace {

constexpr const char* kStillFailure = "Failed to load overlay image";
constexpr const char* kGifFailure = "Failed to load GIF";

}  // namespace

OverlayPreparation::OverlayPreparation(std::string path, int maxSide, size_t skipFrames)
    : path(std::move(path)), maxSide(maxSide), skipFrames(skipFrames) {
    outcome.animated = HasGifExtension(this->path);
}

OverlayPreparation::~OverlayPreparation() = default;

bool OverlayPreparation::Step(const std::atomic<bool>& stop, std::vector<PreparedFrame>* ready) {
    ScopedDecodeAccount use(account);
    // Every allocation of the decoder fails once the load is called off.
    ScopedDecodeCancel cancel(stop);
    try {
        if (!opened) return Open(stop);
        return outcome.animated ? PrepareGifFrame(stop, ready) : PrepareStill(stop, ready);
    } catch (const std::exception& error) {
        animation.reset();
        return Fail(error.what());
    }
}

bool OverlayPreparation::Fail(const std::string& reason) {
    outcome.succeeded = false;
    if (!reason.empty()) outcome.logLines.push_back("Overlay refused: " + reason);
    outcome.logLines.push_back(outcome.animated ? kGifFailure : kStillFailure);
    return false;
}

bool OverlayPreparation::Open(const std::atomic<bool>& stop) {
    opened = true;
    OverlayFile file = ReadOverlayFile(path, &stop);
    // A GIF that cannot be opened says nothing.
    if (!file.opened) return outcome.animated ? false : Fail({});
    if (!file.complete) return Fail(file.problem);
    if (!outcome.animated) {
        stillBytes = std::move(file.bytes);
        nextStepPixels = DeclaredPixels(stillBytes);
        return true;
    }
    animation = std::make_unique<AnimationDecode>(std::move(file.bytes));
    if (!animation->Outline().refusal.empty()) return Fail(animation->Outline().refusal);
    nextStepPixels = animation->FramePixels();
    return true;
}

bool OverlayPreparation::PrepareStill(const std::atomic<bool>& stop, std::vector<PreparedFrame>* ready) {
    const DecodedPicture picture = DecodePicture(std::move(stillBytes));
    if (!picture.pixels) return Fail(picture.refusal);
    PreparedFrame frame{MakeMipChain(picture.pixels.get(), {picture.width, picture.height}, maxSide, &stop), 0};
    if (frame.levels.empty()) return Fail({});
    ready->push_back(std::move(frame));
    outcome.succeeded = true;
    outcome.width = picture.width;
    outcome.height = picture.height;
    char line[128];
    std::snprintf(line, sizeof line, "Loaded overlay: %dx%d", picture.width, picture.height);
    outcome.logLines.push_back(line);
    return false;
}

// Each frame is fitted and handed on before the decoder moves to the next.
bool OverlayPreparation::PrepareGifFrame(const std::atomic<bool>& stop, std::vector<PreparedFrame>* ready) {
    const bool more = animation->Next([&](const uint8_t* pixels, int width, int height, int delay) {
        if (skipFrames > 0) {
            --skipFrames;
            return true;
        }
        PreparedFrame frame{MakeMipChain(pixels, {width, height}, maxSide, &stop), DisplayDelay(delay)};
        if (frame.levels.empty()) return false;
        ready->push_back(std::move(frame));
        return true;
    });
    if (more) return true;
    const DecodedAnimation outline = animation->Outline();
    animation.reset();  // the file's bytes, no longer needed
    if (!outline.complete) return Fail(outline.refusal);
    outcome.succeeded = true;
    outcome.width = outline.width;
    outcome.height = outline.height;
    outcome.frameCount = outline.frameCount;
    char line[128];
    std::snprintf(line, sizeof line, "Loaded GIF: %dx%d, %d frames", outline.width, outline.height, outline.frameCount);
    outcome.logLines.push_back(line);
    return false;
}
