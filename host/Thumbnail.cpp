#include "host/Thumbnail.h"

#include <cstddef>
#include <utility>

namespace {

const ThumbnailImage* registeredThumbnail = nullptr;

}  // namespace

ThumbnailImage::ThumbnailImage(int32_t w, int32_t h, std::vector<uint32_t> words)
    : width(w), height(h), pixels(std::move(words)) {
    pixels.resize(static_cast<size_t>(w > 0 ? w : 0) * static_cast<size_t>(h > 0 ? h : 0));
    registeredThumbnail = this;
}

ThumbnailImage::~ThumbnailImage() {
    if (registeredThumbnail == this) registeredThumbnail = nullptr;
}

const ThumbnailImage* RegisteredThumbnail() { return registeredThumbnail; }
