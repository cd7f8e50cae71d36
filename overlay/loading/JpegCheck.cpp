#include "overlay/loading/JpegCheck.h"

namespace {

constexpr uint8_t kMarkerStart = 0xFF;
constexpr uint8_t kStartOfImage = 0xD8;
constexpr uint8_t kEndOfImage = 0xD9;
constexpr uint8_t kStartOfScan = 0xDA;
constexpr uint8_t kHuffmanTable = 0xC4;
constexpr size_t kMaxCodesPerTable = 256;

bool IsRestart(uint8_t marker) { return marker >= 0xD0 && marker <= 0xD7; }

// Moves to the byte after the next marker code and returns the code, or 0 at the end.
// Bytes before a marker are passed over, as the decoder does between segments.
uint8_t NextMarker(std::span<const uint8_t> bytes, size_t& at) {
    while (at < bytes.size() && bytes[at] != kMarkerStart) ++at;
    while (at < bytes.size() && bytes[at] == kMarkerStart) ++at;
    return at < bytes.size() ? bytes[at++] : 0;
}

// Past a scan's entropy-coded data: stuffed 0xFF 0x00 and restart markers belong to it.
void SkipEntropyData(std::span<const uint8_t> bytes, size_t& at) {
    while (at + 1 < bytes.size()) {
        if (bytes[at] != kMarkerStart) {
            ++at;
            continue;
        }
        size_t next = at + 1;
        while (next < bytes.size() && bytes[next] == kMarkerStart) ++next;
        if (next < bytes.size() && (bytes[next] == 0 || IsRestart(bytes[next]))) {
            at = next + 1;
            continue;
        }
        return;  // at the 0xFF that starts the next marker
    }
    at = bytes.size();
}

enum class TableSegment { kFits, kTooManyCodes, kDecoderStops };

// Reads a table segment as the decoder does: table after table while its length lasts,
// each table's codes read even past the segment, bytes past the file reading as 0.
TableSegment ReadTables(std::span<const uint8_t> bytes, size_t at, size_t segmentLength) {
    auto byteAt = [&](size_t i) -> size_t { return i < bytes.size() ? bytes[i] : 0; };
    long long remaining = static_cast<long long>(segmentLength) - 2;
    while (remaining > 0) {
        const size_t classAndIndex = byteAt(at++);
        if ((classAndIndex >> 4) > 1 || (classAndIndex & 15) > 3) return TableSegment::kDecoderStops;
        size_t codes = 0;
        for (int length = 0; length < 16; ++length) codes += byteAt(at++);
        if (codes > kMaxCodesPerTable) return TableSegment::kTooManyCodes;
        remaining -= static_cast<long long>(17 + codes);
        at += codes;
    }
    // The decoder gives up when the tables do not fill the segment exactly.
    return remaining == 0 ? TableSegment::kFits : TableSegment::kDecoderStops;
}

}  // namespace

bool LooksLikeJpeg(std::span<const uint8_t> bytes) {
    size_t at = 0;
    if (bytes.empty() || bytes[0] != kMarkerStart) return false;
    return NextMarker(bytes, at) == kStartOfImage;
}

bool JpegHuffmanTablesFit(std::span<const uint8_t> bytes) {
    size_t at = 0;
    for (uint8_t marker = NextMarker(bytes, at); marker != 0 && marker != kEndOfImage; marker = NextMarker(bytes, at)) {
        if (marker == kStartOfImage || IsRestart(marker) || marker == 0x01) continue;
        if (bytes.size() - at < 2) return true;  // the decoder runs out of data here
        const size_t length = (size_t{bytes[at]} << 8) | bytes[at + 1];
        if (length < 2) return true;  // the decoder stops at a segment this short
        const size_t end = at + length;
        if (marker == kHuffmanTable) {
            const TableSegment tables = ReadTables(bytes, at + 2, length);
            if (tables == TableSegment::kTooManyCodes) return false;
            if (tables == TableSegment::kDecoderStops) return true;
        }
        at = end;
        if (marker == kStartOfScan && at < bytes.size()) SkipEntropyData(bytes, at);
    }
    return true;
}
