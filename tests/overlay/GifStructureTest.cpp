// The structure walks must follow the decoder's path: the GIF walk counts no fewer
// frames than the decoder makes, and the JPEG walk reaches every Huffman table.
#include <gtest/gtest.h>

#include "overlay/loading/DecodeBudget.h"
#include "overlay/loading/GifStructure.h"
#include "overlay/loading/JpegCheck.h"
#include "overlay/loading/StbImage.h"
#include "tests/overlay/PictureFiles.h"

using namespace overlay_test;

namespace {

const std::vector<Rgba> kPalette = {{255, 0, 0, 255}, {0, 255, 0, 255}};

GifFrame Dot(int x, int disposal = 1) { return {x, 0, 1, 1, {1}, 5, disposal}; }

// The graphic control block starts right after the 13-byte header and 768-byte palette.
constexpr size_t kFirstControl = 13 + 768;

// Frames the decoder itself makes, with no walk before it.
int DecodedFrames(Bytes bytes) {
    ScopedDecodeBudget budget(size_t{64} << 20);
    StbGifDecoder decoder(bytes.data(), bytes.size());
    int frames = 0, delay = 0;
    while (decoder.Next(&delay)) ++frames;
    return frames;
}

}  // namespace

TEST(GifStructure, ReadsScreenFramesAndRewritesRestoreToPrevious) {
    Bytes gif = EncodeGif(6, 3, kPalette, {Dot(0, 3), Dot(1, 2), Dot(2, 3)});
    const GifStructure walk = WalkGifStructure(gif, 100);
    EXPECT_TRUE(walk.isGif);
    EXPECT_EQ(walk.screenWidth, 6);
    EXPECT_EQ(walk.screenHeight, 3);
    EXPECT_EQ(walk.widestFrame, 1);
    EXPECT_EQ(walk.frameCount, 3u);
    EXPECT_EQ(walk.previousDisposals, 2u);
    EXPECT_EQ(gif[kFirstControl + 3], 2 << 2);
    EXPECT_EQ(WalkGifStructure(gif, 100).previousDisposals, 0u);  // nothing left to rewrite
}

TEST(GifStructure, CountsLikeTheDecoderOnOddAndBrokenFiles) {
    const Bytes plain = EncodeGif(4, 1, kPalette, {Dot(0), Dot(1), Dot(2)});
    // A graphic control of length 5 is skipped whole and its terminator ends the file.
    Bytes longControl = plain;
    longControl[kFirstControl + 2] = 5;
    // Length 0: the decoder skips nothing and reads the control's bytes as blocks.
    Bytes emptyControl = plain;
    emptyControl[kFirstControl + 2] = 0;
    // A frame reaching outside the screen stops the decoder there.
    const Bytes outside = EncodeGif(4, 1, kPalette, {Dot(0), Dot(1), Dot(4)});
    // Without its trailer and with the last raster cut short.
    const Bytes cut(plain.begin(), plain.end() - 4);
    for (const Bytes& file : {plain, longControl, emptyControl, outside, cut}) {
        Bytes copy = file;
        const GifStructure walk = WalkGifStructure(copy, 100);
        EXPECT_EQ(static_cast<int>(walk.frameCount), DecodedFrames(file));
    }
}

TEST(GifStructure, StopsCountingPastTheLimit) {
    std::vector<GifFrame> frames(50, Dot(0));
    Bytes gif = EncodeGif(1, 1, kPalette, frames);
    EXPECT_EQ(WalkGifStructure(gif, 10).frameCount, 11u);
}

TEST(GifStructure, OtherFilesAreNotGifs) {
    Bytes png = EncodePng(SolidPicture(2, 2, {1, 2, 3, 255}));
    EXPECT_FALSE(WalkGifStructure(png, 10).isGif);
    Bytes empty;
    EXPECT_FALSE(WalkGifStructure(empty, 10).isGif);
}

TEST(JpegCheck, PlainFilesPassAndOversizedTablesAnywhereFail) {
    const Bytes jpeg = EncodeJpeg(SolidPicture(16, 8, {10, 200, 30, 255}));
    EXPECT_TRUE(LooksLikeJpeg(jpeg));
    EXPECT_TRUE(JpegHuffmanTablesFit(jpeg));
    EXPECT_FALSE(JpegHuffmanTablesFit(JpegWithHuffmanCodes(jpeg, 257)));
    EXPECT_TRUE(JpegHuffmanTablesFit(JpegWithHuffmanCodes(jpeg, 200)));

    // A table placed after the scan's data is reached too.
    Bytes late = JpegWithHuffmanCodes(jpeg, 400);
    Bytes table(late.begin() + 2, late.begin() + 2 + (late.size() - jpeg.size()));
    Bytes afterScan(jpeg.begin(), jpeg.end() - 2);
    afterScan.insert(afterScan.end(), table.begin(), table.end());
    afterScan.insert(afterScan.end(), {0xFF, 0xD9});
    EXPECT_FALSE(JpegHuffmanTablesFit(afterScan));

    // Fill bytes before a marker do not hide it.
    Bytes filled = JpegWithHuffmanCodes(jpeg, 300);
    filled.insert(filled.begin() + 2, {0xFF, 0xFF});
    EXPECT_FALSE(JpegHuffmanTablesFit(filled));
}

TEST(JpegCheck, OnlyTheDecodersJpegStartCounts) {
    EXPECT_TRUE(LooksLikeJpeg(Bytes{0xFF, 0xFF, 0xD8}));
    EXPECT_FALSE(LooksLikeJpeg(Bytes{0x00, 0xFF, 0xD8}));
    EXPECT_FALSE(LooksLikeJpeg(Bytes{}));
}
