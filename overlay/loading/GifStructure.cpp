#include "overlay/loading/GifStructure.h"

namespace {

constexpr uint8_t kImageDescriptor = 0x2C;
constexpr uint8_t kExtension = 0x21;
constexpr uint8_t kGraphicControl = 0xF9;
constexpr uint8_t kDisposalMask = 0x1C;
constexpr uint8_t kRestoreToBackground = 2 << 2;
constexpr uint8_t kRestoreToPrevious = 3 << 2;

// The decoder's reading rules: past the end every byte is 0 and skips still move on.
struct Reader {
    std::span<uint8_t> bytes;
    size_t position = 0;

    uint8_t Byte() { return position < bytes.size() ? bytes[position++] : 0; }
    int Word() {
        const int low = Byte();
        return low | (Byte() << 8);
    }
    void Skip(size_t count) { position += count; }
    void SkipSubBlocks() {
        while (const uint8_t length = Byte()) Skip(length);
    }
    void SkipColorTable(uint8_t flags) {
        if (flags & 0x80) Skip(size_t{3} << ((flags & 7) + 1));
    }
};

bool HasSignature(Reader& in) {
    if (in.Byte() != 'G' || in.Byte() != 'I' || in.Byte() != 'F' || in.Byte() != '8') return false;
    const uint8_t version = in.Byte();
    return (version == '7' || version == '9') && in.Byte() == 'a';
}

// Graphic control: only the 4-byte form is read, and only then does the decoder go on to
// its sub-block terminator; other lengths are skipped and the walk resumes at the next tag.
void ReadGraphicControl(Reader& in, GifStructure& gif) {
    const uint8_t length = in.Byte();
    if (length != 4) {
        in.Skip(length);
        return;
    }
    const size_t flagsAt = in.position;
    const uint8_t flags = in.Byte();
    if ((flags & kDisposalMask) == kRestoreToPrevious && flagsAt < in.bytes.size()) {
        in.bytes[flagsAt] = static_cast<uint8_t>((flags & ~kDisposalMask) | kRestoreToBackground);
        ++gif.previousDisposals;
    }
    in.Skip(3);  // delay and transparent index
    in.SkipSubBlocks();
}

// One image descriptor with its colour table and raster; false where the decoder fails.
bool ReadFrame(Reader& in, uint8_t screenFlags, GifStructure& gif) {
    const int x = in.Word(), y = in.Word(), width = in.Word(), height = in.Word();
    if (x + width > gif.screenWidth || y + height > gif.screenHeight) return false;
    if (width > gif.widestFrame) gif.widestFrame = width;
    if (height > gif.tallestFrame) gif.tallestFrame = height;
    const uint8_t flags = in.Byte();
    if (!(flags & 0x80) && !(screenFlags & 0x80)) return false;
    in.SkipColorTable(flags);
    if (in.Byte() > 12) return false;  // LZW minimum code size
    in.SkipSubBlocks();
    ++gif.frameCount;
    return true;
}

}  // namespace

GifStructure WalkGifStructure(std::span<uint8_t> bytes, size_t frameLimit) {
    GifStructure gif;
    Reader in{bytes};
    if (!HasSignature(in)) return gif;
    gif.isGif = true;
    gif.screenWidth = in.Word();
    gif.screenHeight = in.Word();
    const uint8_t screenFlags = in.Byte();
    in.Skip(2);  // background index, aspect ratio
    in.SkipColorTable(screenFlags);
    while (gif.frameCount <= frameLimit) {
        const uint8_t tag = in.Byte();
        if (tag == kImageDescriptor) {
            if (!ReadFrame(in, screenFlags, gif)) break;
        } else if (tag == kExtension) {
            if (in.Byte() == kGraphicControl)
                ReadGraphicControl(in, gif);
            else
                in.SkipSubBlocks();
        } else {
            break;  // the trailer, or a byte the decoder does not know
        }
    }
    return gif;
}
