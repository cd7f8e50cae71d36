#include "overlay/OverlayPreparation.h"

#include <cstdio>
#include <exception>

#include "overlay/DecodeBudget.h"
#include "overlay/GuardedDecode.h"
#include "overlay/OverlayAnimation.h"
#include "overlay/OverlayFile.h"
#include "overlay/OverlayPath.h"

namespace {

constexpr const char* kStillFailure = "Failed to load overlay image";
constexpr const char* kGifFailure = "Failed to load GIF";

// The failure line, preceded by the reason when the checks (not the decoder) said no.
PreparedOutcome Failure(PreparedOutcome outcome, const char* failure, const std::string& reason) {
    outcome.succeeded = false;
    if (!reason.empty()) outcome.logLines.push_back("Overlay refused: " + reason);
    outcome.logLines.push_back(failure);
    return outcome;
}

PreparedOutcome PrepareStill(std::vector<uint8_t> bytes, int maxSide, const std::atomic<bool>& cancelled,
                             const PreparedFrameSink& sink) {
    PreparedOutcome outcome;
    const DecodedPicture picture = DecodePicture(std::move(bytes));
    if (!picture.pixels) return Failure(outcome, kStillFailure, picture.refusal);
    PreparedFrame frame{MakeMipChain(picture.pixels.get(), {picture.width, picture.height}, maxSide, &cancelled), 0};
    if (frame.levels.empty() || !sink(std::move(frame))) return Failure(outcome, kStillFailure, {});
    outcome.succeeded = true;
    outcome.width = picture.width;
    outcome.height = picture.height;
    char line[128];
    std::snprintf(line, sizeof line, "Loaded overlay: %dx%d", picture.width, picture.height);
    outcome.logLines.push_back(line);
    return outcome;
}

PreparedOutcome PrepareGif(std::vector<uint8_t> bytes, int maxSide, const std::atomic<bool>& cancelled,
                           const PreparedFrameSink& sink) {
    PreparedOutcome outcome;
    outcome.animated = true;
    // Each frame is fitted and handed on before the decoder moves to the next.
    const DecodedAnimation animation =
        DecodeAnimation(std::move(bytes), [&](const uint8_t* pixels, int width, int height, int delay) {
            PreparedFrame frame{MakeMipChain(pixels, {width, height}, maxSide, &cancelled), DisplayDelay(delay)};
            return !frame.levels.empty() && sink(std::move(frame));
        });
    if (!animation.complete) return Failure(outcome, kGifFailure, animation.refusal);
    outcome.succeeded = true;
    outcome.width = animation.width;
    outcome.height = animation.height;
    outcome.frameCount = animation.frameCount;
    char line[128];
    std::snprintf(line, sizeof line, "Loaded GIF: %dx%d, %d frames", animation.width, animation.height,
                  animation.frameCount);
    outcome.logLines.push_back(line);
    return outcome;
}

}  // namespace

PreparedOutcome PrepareOverlay(const std::string& path, int maxSide, const std::atomic<bool>& cancelled,
                               const PreparedFrameSink& sink) {
    const bool gif = HasGifExtension(path);
    const char* failure = gif ? kGifFailure : kStillFailure;
    PreparedOutcome outcome;
    outcome.animated = gif;
    try {
        // Every allocation of the decoder fails once the load is called off.
        ScopedDecodeCancel cancel(cancelled);
        OverlayFile file = ReadOverlayFile(path, &cancelled);
        // A GIF that cannot be opened says nothing.
        if (!file.opened) return gif ? outcome : Failure(outcome, failure, {});
        if (!file.complete) return Failure(outcome, failure, file.problem);
        return gif ? PrepareGif(std::move(file.bytes), maxSide, cancelled, sink)
                   : PrepareStill(std::move(file.bytes), maxSide, cancelled, sink);
    } catch (const std::exception& error) {
        return Failure(outcome, failure, error.what());
    }
}
