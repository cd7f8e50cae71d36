#include "overlay/GuardedDecode.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <span>

#include "overlay/DecodeBudget.h"
#include "overlay/GifStructure.h"
#include "overlay/JpegCheck.h"
#include "overlay/OverlayLimits.h"
#include "overlay/PictureScale.h"
#include "overlay/StbImage.h"
#include "platform/PrintfFormat.h"

namespace {

// What the decoder may hold beyond its output: tables, row buffers, the zlib window.
constexpr size_t kDecoderSlack = size_t{16} << 20;

// A still decoder keeps a few picture-sized buffers at once (16-bit PNG rows, JPEG
// component planes, format conversion) and a copy of the compressed data.
constexpr size_t kStillBuffersPerPixel = 24;

std::string Describe(const char* format, ...) VIGIL_PRINTF_FORMAT(1, 2);
std::string Describe(const char* format, ...) {
    char text[160];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return text;
}

std::string SizeRefusal(long long width, long long height) {
    if (width > kMaxOverlaySide || height > kMaxOverlaySide)
        return Describe("%lldx%lld exceeds %d", width, height, kMaxOverlaySide);
    if (width <= 0 || height <= 0) return Describe("%lldx%lld has no pixels", width, height);
    return {};
}

std::string AnimationRefusal(const GifStructure& gif) {
    if (std::string refusal = SizeRefusal(gif.screenWidth, gif.screenHeight); !refusal.empty()) return refusal;
    if (std::string refusal = SizeRefusal(gif.widestFrame, gif.tallestFrame); !refusal.empty() && gif.frameCount)
        return refusal;
    if (gif.frameCount > kMaxAnimationFrames) return Describe("more than %zu frames", kMaxAnimationFrames);
    // Frames are kept at their texture size, so that is what the limit counts.
    const PictureSize kept = FitWithin({gif.screenWidth, gif.screenHeight}, kMaxTextureSide);
    if (gif.frameCount * FrameBytes(kept.width, kept.height) > kMaxAnimationBytes)
        return Describe("%zu frames of %dx%d exceed %zu MiB at %dx%d", gif.frameCount, gif.screenWidth,
                        gif.screenHeight, kMaxAnimationBytes >> 20, kept.width, kept.height);
    return {};
}

// stbi_info turns down PNGs of a gigabyte or more without saying so: name their size.
std::string PngSizeRefusal(std::span<const uint8_t> bytes) {
    static constexpr uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (bytes.size() < 24 || !std::equal(std::begin(kSignature), std::end(kSignature), bytes.begin())) return {};
    auto field = [&](size_t at) {
        return (uint32_t{bytes[at]} << 24) | (uint32_t{bytes[at + 1]} << 16) | (uint32_t{bytes[at + 2]} << 8) |
               bytes[at + 3];
    };
    return SizeRefusal(field(16), field(20));
}

// stb_image and BMP files may give a negative height for top-down rows.
long long Magnitude(int value) { return value < 0 ? -static_cast<long long>(value) : value; }

}  // namespace

void DecoderBlockFree::operator()(uint8_t* block) const { StbFree(block); }

std::string FileSizeRefusal(size_t length) {
    if (length <= kMaxOverlayFileBytes) return {};
    return Describe("file of %zu bytes exceeds %zu", length, kMaxOverlayFileBytes);
}

DecodedPicture DecodePicture(std::vector<uint8_t> bytes) {
    DecodedPicture picture;
    picture.refusal = FileSizeRefusal(bytes.size());
    if (!picture.refusal.empty()) return picture;
    if (LooksLikeJpeg(bytes) && !JpegHuffmanTablesFit(bytes)) {
        picture.refusal = "JPEG Huffman table declares more than 256 codes";
        return picture;
    }
    const size_t baseBudget = kDecoderSlack + 2 * bytes.size();
    ScopedDecodeBudget budget(baseBudget);
    int width = 0, height = 0;
    if (!StbPictureInfo(bytes.data(), bytes.size(), &width, &height)) {
        picture.refusal = PngSizeRefusal(bytes);
        return picture;
    }
    const long long rows = Magnitude(height);
    picture.refusal = SizeRefusal(width, rows);
    if (!picture.refusal.empty()) return picture;
    const size_t pixelCount = size_t(width) * size_t(rows);
    ScopedDecodeBudget pixelBudget(baseBudget + kStillBuffersPerPixel * pixelCount);
    DecodedPixels pixels(StbDecodePicture(bytes.data(), bytes.size(), &picture.width, &picture.height));
    // The decode must agree with what was measured; anything else is not trusted.
    if (!pixels || picture.width != width || picture.height != rows) {
        picture.width = picture.height = 0;
        return picture;
    }
    picture.pixels = std::move(pixels);
    return picture;
}

DecodedAnimation DecodeAnimation(std::vector<uint8_t> bytes, const AnimationFrameVisitor& visit) {
    DecodedAnimation animation;
    animation.refusal = FileSizeRefusal(bytes.size());
    if (!animation.refusal.empty()) return animation;
    const GifStructure gif = WalkGifStructure(bytes, kMaxAnimationFrames);
    // The decoder checks the same signature, so it could only fail here.
    if (!gif.isGif) return animation;
    animation.refusal = AnimationRefusal(gif);
    if (!animation.refusal.empty()) return animation;

    // The decoder's screen, the background it restores from and its per-pixel history.
    const size_t pixels = size_t(gif.screenWidth) * size_t(gif.screenHeight);
    ScopedDecodeBudget budget(kDecoderSlack + 9 * pixels);
    StbGifDecoder decoder(bytes.data(), bytes.size());
    int delay = 0;
    // Frames allocate nothing after the first, so a cancelled load is noticed here.
    while (const uint8_t* frame = DecodeCancelled() ? nullptr : decoder.Next(&delay)) {
        // The decode must agree with what the walk measured; anything else is not trusted.
        if (size_t(animation.frameCount) == gif.frameCount || decoder.Width() != gif.screenWidth ||
            decoder.Height() != gif.screenHeight || !visit(frame, gif.screenWidth, gif.screenHeight, delay))
            return animation;
        ++animation.frameCount;
    }
    animation.width = gif.screenWidth;
    animation.height = gif.screenHeight;
    animation.complete = animation.frameCount > 0 && !DecodeCancelled();
    return animation;
}
