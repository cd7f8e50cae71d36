#include "overlay/drawing/IncomingPicture.h"

#include <algorithm>

#include "gl/ReleaseName.h"
#include "overlay/drawing/OverlayTexture.h"

namespace {

// Making a texture costs, counted like bytes uploaded, several times its levels' bytes: a
// software rasteriser clears the memory it takes for them, touching every page anew.
constexpr size_t kCreationCostPerByte = 5;

}  // namespace

void IncomingPicture::Add(std::vector<PreparedFrame>&& frames) {
    for (PreparedFrame& frame : frames) pending.push_back({std::move(frame)});
}

UploadProgress IncomingPicture::Upload(size_t budgetBytes, bool mayExceed, TextureStorage storage) {
    UploadProgress progress;
    size_t& spent = progress.spent;
    while (!pending.empty() && (spent < budgetBytes || (mayExceed && spent == 0))) {
        const size_t left = budgetBytes - std::min(spent, budgetBytes);
        const size_t used = UploadFront(left, mayExceed && spent == 0, storage);
        if (used == 0) break;  // the next texture is left for a frame of its own
        spent += used;
        Pending& front = pending.front();
        if (front.level < front.frame.levels.size()) break;  // the budget ran out inside it
        progress.finished += ChainBytes(front.frame.levels);
        textures.push_back(front.texture);
        delays.push_back(front.frame.delayMs);
        pending.pop_front();
    }
    return progress;
}

size_t IncomingPicture::Outstanding() const {
    size_t cost = 0;
    for (const Pending& frame : pending) {
        if (frame.texture == 0) cost += kCreationCostPerByte * ChainBytes(frame.frame.levels);
        for (size_t level = frame.level; level < frame.frame.levels.size(); ++level) {
            const MipLevel& mip = frame.frame.levels[level];
            const int rows = mip.size.height - (level == frame.level ? frame.row : 0);
            cost += static_cast<size_t>(mip.size.width) * 4 * static_cast<size_t>(rows);
        }
    }
    return cost;
}

size_t IncomingPicture::UploadFront(size_t budgetBytes, bool mayExceed, TextureStorage storage) {
    Pending& front = pending.front();
    size_t spent = 0;
    if (front.texture == 0) {
        const size_t creation = kCreationCostPerByte * ChainBytes(front.frame.levels);
        if (creation > budgetBytes && !mayExceed) return 0;
        front.texture = CreateOverlayTexture(front.frame.levels, storage);
        spent += creation;
    }
    while (front.level < front.frame.levels.size() && (spent < budgetBytes || (mayExceed && spent == 0))) {
        const MipLevel& level = front.frame.levels[front.level];
        const size_t rowBytes = static_cast<size_t>(level.size.width) * 4;
        // At least one row per call, so that every picture arrives; no more than fit after that.
        const size_t fit = (budgetBytes - spent) / rowBytes;
        if (fit == 0 && spent > 0) break;
        const int rows =
            static_cast<int>(std::clamp<size_t>(fit, 1, static_cast<size_t>(level.size.height - front.row)));
        UploadOverlayRows(front.texture, static_cast<int>(front.level), level, front.row, rows);
        spent += rowBytes * static_cast<size_t>(rows);
        front.row += rows;
        if (front.row == level.size.height) {
            ++front.level;
            front.row = 0;
        }
    }
    return spent;
}

std::vector<uint32_t> IncomingPicture::TakeTextures(std::vector<int32_t>* frameDelays) {
    std::vector<uint32_t> taken;
    taken.swap(textures);
    frameDelays->swap(delays);
    delays.clear();
    return taken;
}

void IncomingPicture::Release() {
    for (Pending& frame : pending) ReleaseTexture(frame.texture);
    pending.clear();
    for (uint32_t& texture : textures) ReleaseTexture(texture);
    textures.clear();
    delays.clear();
}
