#include "overlay/loading/GuardedDecode.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <span>

#include "overlay/PictureScale.h"
#include "overlay/loading/DecodeBudget.h"
#include "overlay/loading/GifStructure.h"
#include "overlay/loading/JpegCheck.h"
#include "overlay/loading/OverlayLimits.h"
#include "overlay/loading/StbImage.h"
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

// What stops a still file before the decoder reads even its header: stbi_info builds a
// JPEG's Huffman tables too.
std::string StillRefusal(const std::vector<uint8_t>& bytes) {
    if (std::string refusal = FileSizeRefusal(bytes.size()); !refusal.empty()) return refusal;
    if (LooksLikeJpeg(bytes) && !JpegHuffmanTablesFit(bytes)) return "JPEG Huffman table declares more than 256 codes";
    return {};
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
    picture.refusal = StillRefusal(bytes);
    if (!picture.refusal.empty()) return picture;
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

size_t DeclaredPixels(const std::vector<uint8_t>& bytes) {
    if (!StillRefusal(bytes).empty()) return 0;
    ScopedDecodeBudget budget(kDecoderSlack);
    int width = 0, height = 0;
    if (!StbPictureInfo(bytes.data(), bytes.size(), &width, &height)) return 0;
    const long long rows = Magnitude(height);
    return SizeRefusal(width, rows).empty() ? size_t(width) * size_t(rows) : 0;
}

AnimationDecode::AnimationDecode(std::vector<uint8_t> file) : bytes(std::move(file)) {
    outline.refusal = FileSizeRefusal(bytes.size());
    if (!outline.refusal.empty()) return;
    gif = WalkGifStructure(bytes, kMaxAnimationFrames);
    // The decoder checks the same signature, so it could only fail here.
    if (!gif.isGif) return;
    outline.refusal = AnimationRefusal(gif);
    if (!outline.refusal.empty()) return;
    // The decoder's screen, the background it restores from and its per-pixel history.
    budget.emplace(kDecoderSlack + 9 * FramePixels());
    decoder = std::make_unique<StbGifDecoder>(bytes.data(), bytes.size());
}

AnimationDecode::~AnimationDecode() = default;

bool AnimationDecode::Next(const AnimationFrameVisitor& visit) {
    if (!decoder) return false;
    int delay = 0;
    // Frames allocate nothing after the first, so a cancelled load is noticed here.
    const uint8_t* frame = DecodeCancelled() ? nullptr : decoder->Next(&delay);
    // The decode must agree with what the walk measured; anything else is not trusted.
    const bool accepted = frame && size_t(outline.frameCount) < gif.frameCount && decoder->Width() == gif.screenWidth &&
                          decoder->Height() == gif.screenHeight &&
                          visit(frame, gif.screenWidth, gif.screenHeight, delay);
    if (accepted) {
        ++outline.frameCount;
        return true;
    }
    if (!frame) {
        outline.width = gif.screenWidth;
        outline.height = gif.screenHeight;
        outline.complete = outline.frameCount > 0 && !DecodeCancelled();
    }
    decoder.reset();
    budget.reset();
    return false;
}

DecodedAnimation DecodeAnimation(std::vector<uint8_t> bytes, const AnimationFrameVisitor& visit) {
    AnimationDecode decode(std::move(bytes));
    while (decode.Next(visit)) {
    }
    return decode.Outline();
}
