// Decoding without GL: every format decodes upright, and hostile files are refused before
// the decoder allocates for them, or decode cleanly inside their memory budget.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>

#include "overlay/loading/DecodeBudget.h"
#include "overlay/loading/GuardedDecode.h"
#include "overlay/loading/OverlayLimits.h"
#include "overlay/loading/StbImage.h"
#include "tests/overlay/PictureFiles.h"

using namespace overlay_test;

namespace {

constexpr Rgba kRed{255, 0, 0, 255};
constexpr Rgba kBlue{0, 0, 255, 255};

// Decoded rows come top row first: the first pixel is the picture's top-left.
Rgba FirstPixel(const uint8_t* pixels) { return {pixels[0], pixels[1], pixels[2], pixels[3]}; }
Rgba LastPixel(const uint8_t* pixels, int width, int height) {
    const uint8_t* p = pixels + (static_cast<size_t>(width) * height - 1) * 4;
    return {p[0], p[1], p[2], p[3]};
}

void ExpectNear(Rgba got, Rgba want, int tolerance) {
    EXPECT_NEAR(got.r, want.r, tolerance);
    EXPECT_NEAR(got.g, want.g, tolerance);
    EXPECT_NEAR(got.b, want.b, tolerance);
    EXPECT_NEAR(got.a, want.a, tolerance);
}

std::vector<GifFrame> TinyFrames(int count, int disposal = 1) {
    std::vector<GifFrame> frames;
    frames.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) frames.push_back({i % 4, 0, 1, 1, {static_cast<uint8_t>(i % 2)}, 1, disposal});
    return frames;
}

// Seen from outside, so the compiler cannot drop the writes along with the blocks.
void* volatile lastBlock;

// Leaves freed heap blocks full of 0xFF, the bytes a decoder reading memory it never set
// would then find.
void DirtyTheHeap() {
    std::vector<void*> blocks;
    for (size_t bytes = 1024; bytes <= size_t{96} * 1024; bytes += 1024) {
        blocks.push_back(std::malloc(bytes));
        if (blocks.back()) std::memset(blocks.back(), 0xFF, bytes);
        lastBlock = blocks.back();
    }
    for (void* block : blocks) std::free(block);
}

// Every frame of a GIF, one after another, as the streaming decode hands them over.
struct Animation {
    DecodedAnimation outline;
    std::vector<uint8_t> pixels;
    std::vector<int> delays;
};

Animation DecodeWhole(const Bytes& bytes) {
    Animation animation;
    animation.outline = DecodeAnimation(bytes, [&](const uint8_t* pixels, int width, int height, int delay) {
        animation.pixels.insert(animation.pixels.end(), pixels, pixels + FrameBytes(width, height));
        animation.delays.push_back(delay);
        return true;
    });
    return animation;
}

}  // namespace

TEST(StillDecode, EveryFormatDecodesUprightAtItsSize) {
    const Picture picture = SplitPicture(20, 10, kRed, kBlue);
    const struct {
        const char* name;
        Bytes bytes;
        int tolerance;
    } files[] = {{"PNG", EncodePng(picture), 0},
                 {"BMP", EncodeBmp(picture), 0},
                 {"TGA", EncodeTga(picture), 0},
                 {"JPEG", EncodeJpeg(picture), 40}};
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        const DecodedPicture decoded = DecodePicture(file.bytes);
        ASSERT_TRUE(decoded.pixels);
        EXPECT_EQ(decoded.width, 20);
        EXPECT_EQ(decoded.height, 10);
        ExpectNear(FirstPixel(decoded.pixels.get()), kRed, file.tolerance);
        ExpectNear(LastPixel(decoded.pixels.get(), 20, 10), kBlue, file.tolerance);
    }
}

TEST(StillDecode, GifGivesItsFirstFrame) {
    const DecodedPicture decoded = DecodePicture(SolidFramesGif(4, 2, {kRed, kBlue}, 2, 10));
    ASSERT_TRUE(decoded.pixels);
    EXPECT_EQ(decoded.width, 4);
    ExpectNear(FirstPixel(decoded.pixels.get()), kRed, 0);
}

TEST(StillDecode, BrokenFilesFailWithoutARefusal) {
    const Bytes png = EncodePng(SolidPicture(8, 8, kRed));
    for (const Bytes& bytes : {Bytes{}, Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9}, Bytes(png.begin(), png.begin() + 30)}) {
        const DecodedPicture decoded = DecodePicture(bytes);
        EXPECT_FALSE(decoded.pixels);
        EXPECT_EQ(decoded.refusal, "");
    }
}

TEST(StillDecode, TruncatedFilesOfEveryFormatNeverCrash) {
    const Picture picture = SplitPicture(16, 16, kRed, kBlue);
    for (const Bytes& whole : {EncodePng(picture), EncodeBmp(picture), EncodeTga(picture), EncodeJpeg(picture),
                               SolidFramesGif(16, 16, {kRed, kBlue}, 3, 10)}) {
        for (size_t length = 0; length < whole.size(); length += 1 + whole.size() / 40) {
            const DecodedPicture decoded = DecodePicture(Bytes(whole.begin(), whole.begin() + length));
            if (decoded.pixels) {
                EXPECT_EQ(decoded.width, 16);
            }
        }
    }
}

TEST(StillDecode, OversizedPicturesAreRefusedBeforeDecoding) {
    const Picture picture = SolidPicture(8, 8, kRed);
    const Bytes files[] = {PngClaiming(EncodePng(picture), 20000, 20000),
                           PngClaiming(EncodePng(picture), 9000, 8),
                           BmpClaiming(EncodeBmp(picture), 8, 20000),
                           BmpClaiming(EncodeBmp(picture), 8, -20000),
                           TgaClaiming(EncodeTga(picture), 60000, 60000),
                           JpegClaiming(EncodeJpeg(picture), 8193, 8),
                           GifHeaderOnly(16384, 16384)};
    for (const Bytes& bytes : files) {
        ResetDecoderPeak();
        const DecodedPicture decoded = DecodePicture(bytes);
        EXPECT_FALSE(decoded.pixels);
        EXPECT_NE(decoded.refusal.find("8192"), std::string::npos) << decoded.refusal << " " << &bytes - files;
        EXPECT_LT(DecoderPeakBytes(), size_t{1} << 20);
    }
}

TEST(StillDecode, FilesAboveTheSizeLimitAreRefused) {
    const DecodedPicture decoded = DecodePicture(Bytes(kMaxOverlayFileBytes + 1, 0));
    EXPECT_FALSE(decoded.pixels);
    EXPECT_NE(decoded.refusal.find("exceeds"), std::string::npos);
}

TEST(StillDecode, OversizedJpegHuffmanTableIsRefused) {
    const Bytes jpeg = EncodeJpeg(SolidPicture(8, 8, kRed));
    const DecodedPicture refused = DecodePicture(JpegWithHuffmanCodes(jpeg, 300));
    EXPECT_FALSE(refused.pixels);
    EXPECT_NE(refused.refusal.find("Huffman"), std::string::npos);
    // A full table of 256 codes is within the format and reaches the decoder.
    EXPECT_EQ(DecodePicture(JpegWithHuffmanCodes(jpeg, 256)).refusal, "");
}

TEST(StillDecode, ScanNamingAnUndefinedHuffmanTableDecodesTheSameOnADirtyHeap) {
    // A progressive JPEG whose first scan names a DC table the file never defines.
    const Bytes jpeg = ReadFile(VIGIL_DECODE_FILES "/progressive-undefined-table.jpg");
    ASSERT_FALSE(jpeg.empty());
    const DecodedPicture clean = DecodePicture(jpeg);
    ASSERT_TRUE(clean.pixels);  // the table the file never defined reads as zeros
    ASSERT_EQ(clean.width, 24);
    for (int round = 0; round < 3; ++round) {
        DirtyTheHeap();
        const DecodedPicture dirty = DecodePicture(jpeg);
        ASSERT_TRUE(dirty.pixels) << round;
        EXPECT_EQ(std::memcmp(dirty.pixels.get(), clean.pixels.get(), size_t(24) * 16 * 4), 0) << round;
    }
}

TEST(GifDecode, FramesDelaysAndRowsComeThrough) {
    const Animation decoded = DecodeWhole(SolidFramesGif(3, 2, {kRed, kBlue, kRed}, 3, 7));
    ASSERT_TRUE(decoded.outline.complete);
    EXPECT_EQ(decoded.outline.width, 3);
    EXPECT_EQ(decoded.outline.height, 2);
    ASSERT_EQ(decoded.outline.frameCount, 3);
    EXPECT_EQ(decoded.delays, (std::vector<int>{70, 70, 70}));
    ExpectNear(FirstPixel(decoded.pixels.data()), kRed, 0);
    ExpectNear(FirstPixel(&decoded.pixels[size_t{3} * 2 * 4]), kBlue, 0);
}

TEST(GifDecode, NotAGifFails) {
    EXPECT_FALSE(DecodeWhole(EncodePng(SolidPicture(4, 4, kRed))).outline.complete);
    EXPECT_FALSE(DecodeWhole({}).outline.complete);
    EXPECT_FALSE(DecodeWhole({'G', 'I', 'F', '8', '9', 'a'}).outline.complete);
}

TEST(GifDecode, OversizedScreenIsRefusedWithItsSize) {
    ResetDecoderPeak();
    const Animation decoded = DecodeWhole(GifHeaderOnly(16384, 16384));
    EXPECT_FALSE(decoded.outline.complete);
    EXPECT_EQ(decoded.outline.refusal, "16384x16384 exceeds 8192");
    EXPECT_EQ(DecoderPeakBytes(), 0u);
}

TEST(GifDecode, ThousandsOfTinyFramesAreCountedAgainstTheLimits) {
    ResetDecoderPeak();
    const Animation tooMany = DecodeWhole(EncodeGif(4, 4, {kRed, kBlue}, TinyFrames(3000)));
    EXPECT_FALSE(tooMany.outline.complete);
    EXPECT_EQ(tooMany.outline.refusal, "more than 2048 frames");
    EXPECT_EQ(DecoderPeakBytes(), 0u);

    const Animation allowed = DecodeWhole(EncodeGif(4, 4, {kRed, kBlue}, TinyFrames(2048)));
    ASSERT_TRUE(allowed.outline.complete);
    EXPECT_EQ(allowed.outline.frameCount, 2048);
}

TEST(GifDecode, TheLimitCountsFramesAtTheSizeTheyAreKept) {
    // Frames are kept at most 2048 pixels wide: 40 of 4096 x 4096 are 640 MiB, 3 are 48.
    ResetDecoderPeak();
    const Animation refused = DecodeWhole(EncodeGif(4096, 4096, {kRed}, TinyFrames(40)));
    EXPECT_FALSE(refused.outline.complete);
    EXPECT_EQ(refused.outline.refusal, "40 frames of 4096x4096 exceed 512 MiB at 2048x2048");
    EXPECT_EQ(DecoderPeakBytes(), 0u);
    // One frame at a time: the decoder holds a screen, its background and history, not all.
    const Animation kept = DecodeWhole(EncodeGif(4096, 4096, {kRed}, TinyFrames(3)));
    EXPECT_TRUE(kept.outline.complete);
    EXPECT_LT(DecoderPeakBytes(), size_t{4096} * 4096 * 10);
}

TEST(GifDecode, RestoreToPreviousDecodesLikeRestoreToBackground) {
    // The decoder's own "previous" handling reads before its buffer; the rewrite avoids it.
    const Animation previous = DecodeWhole(EncodeGif(4, 1, {kRed, kBlue}, TinyFrames(5, 3)));
    const Animation background = DecodeWhole(EncodeGif(4, 1, {kRed, kBlue}, TinyFrames(5, 2)));
    ASSERT_TRUE(previous.outline.complete);
    ASSERT_TRUE(background.outline.complete);
    ASSERT_EQ(previous.outline.frameCount, 5);
    EXPECT_EQ(previous.pixels, background.pixels);
}

TEST(GifDecode, TruncatedAndRandomBytesNeverCrash) {
    const Bytes whole = EncodeGif(8, 8, {kRed, kBlue}, TinyFrames(20, 3));
    for (size_t length = 0; length < whole.size(); ++length) {
        const Animation decoded = DecodeWhole(Bytes(whole.begin(), whole.begin() + length));
        EXPECT_LE(decoded.outline.frameCount, 20);
    }
    uint32_t state = 12345;
    for (int round = 0; round < 200; ++round) {
        Bytes bytes = whole;
        for (int flips = 0; flips < 8; ++flips) {
            state = state * 1664525u + 1013904223u;
            bytes[state % bytes.size()] = static_cast<uint8_t>(state >> 24);
        }
        DecodeWhole(bytes);
        DecodePicture(bytes);
    }
}

TEST(GifDecode, ACancelledOrOverBudgetDecodeStopsAndReleasesEverything) {
    const Bytes gif = SolidFramesGif(64, 64, {kRed, kBlue}, 4, 10);
    {
        // Room for the decoder's screen, background and history, not a second screen.
        ScopedDecodeBudget budget(64 * 64 * 9 + 1024);
        StbGifDecoder decoder(gif.data(), gif.size());
        int delay = 0;
        EXPECT_NE(decoder.Next(&delay), nullptr);
    }
    EXPECT_EQ(DecoderBytesInUse(), 0u);
    // Called off after the first frame: the visitor is not asked again.
    std::atomic<bool> cancelled{false};
    ScopedDecodeCancel cancel(cancelled);
    int visits = 0;
    const DecodedAnimation stopped = DecodeAnimation(gif, [&](const uint8_t*, int, int, int) {
        cancelled = true;
        return ++visits < 4;
    });
    EXPECT_FALSE(stopped.complete);
    EXPECT_EQ(visits, 1);
    EXPECT_EQ(DecoderBytesInUse(), 0u);
    EXPECT_EQ(BudgetedAllocate(16), nullptr);
}

TEST(DecodeBudget, GrantsOnlyWhatTheScopeAllows) {
    EXPECT_EQ(BudgetedAllocate(16), nullptr);  // outside any decode
    ScopedDecodeBudget budget(1000);
    void* first = BudgetedAllocate(600);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(BudgetedAllocate(600), nullptr);
    void* grown = BudgetedReallocate(first, 900);
    ASSERT_NE(grown, nullptr);
    EXPECT_EQ(BudgetedReallocate(grown, 1200), nullptr);
    BudgetedFree(grown);
    EXPECT_EQ(DecoderBytesInUse(), 0u);
    EXPECT_EQ(DecoderPeakBytes(), 900u);
    void* again = BudgetedAllocate(1000);
    EXPECT_NE(again, nullptr);
    BudgetedFree(again);
    EXPECT_EQ(BudgetedAllocate(SIZE_MAX), nullptr);
}

TEST(DecodeBudget, BlocksComeZeroedWhereTheHeapWasDirty) {
    ScopedDecodeBudget budget(1 << 20);
    for (size_t bytes : {size_t{64}, size_t{20000}, size_t{300000}}) {
        DirtyTheHeap();
        auto* block = static_cast<unsigned char*>(BudgetedAllocate(bytes));
        ASSERT_NE(block, nullptr);
        EXPECT_TRUE(std::all_of(block, block + bytes, [](unsigned char b) { return b == 0; })) << bytes;
        BudgetedFree(block);
    }
}
