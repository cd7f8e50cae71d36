#include "tests/overlay/PictureFiles.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb_image_write.h>

namespace overlay_test {

namespace {

void AppendToBytes(void* context, void* data, int size) {
    auto* bytes = static_cast<Bytes*>(context);
    const auto* first = static_cast<const uint8_t*>(data);
    bytes->insert(bytes->end(), first, first + size);
}

void Put16(Bytes& out, int value) {
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

void Put32(Bytes& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void Poke16(Bytes& out, size_t at, int value) {
    out[at] = static_cast<uint8_t>(value & 0xFF);
    out[at + 1] = static_cast<uint8_t>((value >> 8) & 0xFF);
}

void Poke32(Bytes& out, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

void Poke32BigEndian(Bytes& out, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

// Packs codes of `bits` bits least significant bit first.
struct BitWriter {
    Bytes bytes;
    uint32_t pending = 0;
    int pendingBits = 0;

    void Write(uint32_t code, int bits) {
        pending |= code << pendingBits;
        pendingBits += bits;
        while (pendingBits >= 8) {
            bytes.push_back(static_cast<uint8_t>(pending & 0xFF));
            pending >>= 8;
            pendingBits -= 8;
        }
    }
    void Flush() {
        if (pendingBits > 0) bytes.push_back(static_cast<uint8_t>(pending & 0xFF));
        pending = 0;
        pendingBits = 0;
    }
};

// Literal codes only, with a clear code often enough that the code size stays at 9 bits.
Bytes LzwLiterals(const std::vector<uint8_t>& indices) {
    constexpr uint32_t kClear = 256, kEnd = 257;
    constexpr int kLiteralsPerClear = 250;
    BitWriter writer;
    for (size_t i = 0; i < indices.size(); ++i) {
        if (i % kLiteralsPerClear == 0) writer.Write(kClear, 9);
        writer.Write(indices[i], 9);
    }
    if (indices.empty()) writer.Write(kClear, 9);
    writer.Write(kEnd, 9);
    writer.Flush();
    return writer.bytes;
}

void AppendSubBlocks(Bytes& out, const Bytes& data) {
    for (size_t at = 0; at < data.size(); at += 255) {
        const size_t length = std::min<size_t>(255, data.size() - at);
        out.push_back(static_cast<uint8_t>(length));
        out.insert(out.end(), data.begin() + at, data.begin() + at + length);
    }
    out.push_back(0);
}

void AppendFrame(Bytes& out, const GifFrame& frame) {
    if (frame.graphicControl) {
        const Bytes control = {0x21,
                               0xF9,
                               4,
                               static_cast<uint8_t>((frame.disposal & 7) << 2),
                               static_cast<uint8_t>(frame.delayCentiseconds & 0xFF),
                               static_cast<uint8_t>((frame.delayCentiseconds >> 8) & 0xFF),
                               0,
                               0};
        out.insert(out.end(), control.begin(), control.end());
    }
    out.push_back(0x2C);
    Put16(out, frame.x);
    Put16(out, frame.y);
    Put16(out, frame.width);
    Put16(out, frame.height);
    out.push_back(0);  // no local colour table, not interlaced
    out.push_back(8);  // LZW minimum code size
    AppendSubBlocks(out, LzwLiterals(frame.indices));
}

size_t FindMarker(const Bytes& jpeg, uint8_t marker) {
    for (size_t at = 0; at + 1 < jpeg.size(); ++at)
        if (jpeg[at] == 0xFF && jpeg[at + 1] == marker) return at;
    throw std::runtime_error("marker not found");
}

}  // namespace

Picture SolidPicture(int width, int height, Rgba color) {
    return {width, height, std::vector<Rgba>(static_cast<size_t>(width) * height, color)};
}

Picture SplitPicture(int width, int height, Rgba top, Rgba bottom) {
    Picture picture = SolidPicture(width, height, top);
    for (int y = height / 2; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.pixels[static_cast<size_t>(y) * width + x] = bottom;
    return picture;
}

Picture CheckerPicture(int width, int height, int cell, Rgba one, Rgba other) {
    Picture picture = SolidPicture(width, height, one);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if ((x / cell + y / cell) % 2) picture.pixels[static_cast<size_t>(y) * width + x] = other;
    return picture;
}

Bytes EncodePng(const Picture& picture) {
    Bytes out;
    stbi_write_png_to_func(AppendToBytes, &out, picture.width, picture.height, 4, picture.pixels.data(),
                           picture.width * 4);
    return out;
}

Bytes EncodeJpeg(const Picture& picture) {
    Bytes out;
    stbi_write_jpg_to_func(AppendToBytes, &out, picture.width, picture.height, 4, picture.pixels.data(), 95);
    return out;
}

Bytes EncodeBmp(const Picture& picture) {
    const int rowBytes = (picture.width * 3 + 3) & ~3;
    const uint32_t dataBytes = static_cast<uint32_t>(rowBytes) * picture.height;
    Bytes out = {'B', 'M'};
    Put32(out, 54 + dataBytes);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(picture.width));
    Put32(out, static_cast<uint32_t>(picture.height));  // positive: bottom row first
    Put16(out, 1);
    Put16(out, 24);
    for (int i = 0; i < 6; ++i) Put32(out, 0);
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgba& p = picture.pixels[static_cast<size_t>(y) * picture.width + x];
            out.insert(out.end(), {p.b, p.g, p.r});
        }
        for (int pad = picture.width * 3; pad < rowBytes; ++pad) out.push_back(0);
    }
    return out;
}

Bytes EncodeTga(const Picture& picture) {
    Bytes out = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    Put16(out, picture.width);
    Put16(out, picture.height);
    out.push_back(32);
    out.push_back(0x28);  // 8 alpha bits, top row first
    for (const Rgba& p : picture.pixels) out.insert(out.end(), {p.b, p.g, p.r, p.a});
    return out;
}

Bytes EncodeGif(int screenWidth, int screenHeight, const std::vector<Rgba>& palette,
                const std::vector<GifFrame>& frames) {
    Bytes out = {'G', 'I', 'F', '8', '9', 'a'};
    Put16(out, screenWidth);
    Put16(out, screenHeight);
    out.push_back(0xF7);  // global table of 256 entries
    out.push_back(0);
    out.push_back(0);
    for (size_t i = 0; i < 256; ++i) {
        const Rgba c = i < palette.size() ? palette[i] : Rgba{0, 0, 0, 255};
        out.insert(out.end(), {c.r, c.g, c.b});
    }
    for (const GifFrame& frame : frames) AppendFrame(out, frame);
    out.push_back(0x3B);
    return out;
}

Bytes SolidFramesGif(int width, int height, const std::vector<Rgba>& palette, int frameCount, int delayCentiseconds) {
    std::vector<GifFrame> frames;
    for (int i = 0; i < frameCount; ++i) {
        GifFrame frame{0, 0, width, height, {}, delayCentiseconds, 1, true};
        frame.indices.assign(static_cast<size_t>(width) * height, static_cast<uint8_t>(i % palette.size()));
        frames.push_back(frame);
    }
    return EncodeGif(width, height, palette, frames);
}

Bytes GifHeaderOnly(int screenWidth, int screenHeight) {
    Bytes out = {'G', 'I', 'F', '8', '9', 'a'};
    Put16(out, screenWidth);
    Put16(out, screenHeight);
    out.insert(out.end(),
               {0x80, 0, 0, 0, 0, 0, 255, 255, 255, 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x4C, 1, 0, 0x3B});
    return out;
}

Bytes JpegWithHuffmanCodes(const Bytes& jpeg, int codes) {
    Bytes table = {0xFF, 0xC4};
    const int length = 2 + 17 + codes;
    table.push_back(static_cast<uint8_t>(length >> 8));
    table.push_back(static_cast<uint8_t>(length & 0xFF));
    table.push_back(0x00);  // DC table 0
    int left = codes;
    uint8_t counts[16] = {};
    for (int i = 15; i >= 0 && left > 0; --i) {
        counts[i] = static_cast<uint8_t>(std::min(left, 255));
        left -= counts[i];
    }
    table.insert(table.end(), counts, counts + 16);
    for (int i = 0; i < codes; ++i) table.push_back(static_cast<uint8_t>(i));
    Bytes out = jpeg;
    out.insert(out.begin() + 2, table.begin(), table.end());  // right after the start-of-image marker
    return out;
}

Bytes ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

namespace {

// Deflate writes Huffman codes most significant bit first into its LSB-first stream.
void WriteCode(BitWriter& z, uint32_t code, int length) {
    uint32_t reversed = 0;
    for (int i = 0; i < length; ++i) reversed |= ((code >> i) & 1) << (length - 1 - i);
    z.Write(reversed, length);
}

// A literal byte 0..143 in the fixed code.
void WriteLiteral(BitWriter& z, uint8_t value) { WriteCode(z, 0x30 + value, 8); }

uint32_t Crc32(const uint8_t* data, size_t length) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < length; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

void PngChunk(Bytes& out, const char* type, const Bytes& data) {
    Bytes chunk(type, type + 4);
    chunk.insert(chunk.end(), data.begin(), data.end());
    Bytes length(4);
    Poke32BigEndian(length, 0, static_cast<uint32_t>(data.size()));
    out.insert(out.end(), length.begin(), length.end());
    out.insert(out.end(), chunk.begin(), chunk.end());
    Bytes crc(4);
    Poke32BigEndian(crc, 0, Crc32(chunk.data(), chunk.size()));
    out.insert(out.end(), crc.begin(), crc.end());
}

}  // namespace

Bytes SolidPng(int width, int height, Rgba color) {
    const size_t rowBytes = static_cast<size_t>(width) * 4;
    Bytes firstRow{0};  // filter "none"
    for (int x = 0; x < width; ++x) firstRow.insert(firstRow.end(), {color.r, color.g, color.b, color.a});
    BitWriter z;
    z.bytes = {0x78, 0x01};
    z.Write(0, 3);  // a stored block, not the last
    z.Flush();
    Put16(z.bytes, static_cast<int>(firstRow.size()));
    Put16(z.bytes, static_cast<int>(~firstRow.size() & 0xFFFF));
    z.bytes.insert(z.bytes.end(), firstRow.begin(), firstRow.end());
    z.Write(1 | (1 << 1), 3);  // the last block, fixed codes
    for (int y = 1; y < height; ++y) {
        WriteLiteral(z, 2);  // filter "up": every byte 0
        WriteLiteral(z, 0);
        size_t left = rowBytes - 1;
        for (; left >= 258; left -= 258) WriteCode(z, 0xC5, 8), WriteCode(z, 0, 5);  // length 258, distance 1
        while (left--) WriteLiteral(z, 0);
    }
    WriteCode(z, 0, 7);  // end of block
    z.Flush();
    // Adler-32 of the rows; the zeros only add `a` to `b` once each.
    uint32_t a = 1, b = 0;
    for (uint8_t byte : firstRow) a = (a + byte) % 65521, b = (b + a) % 65521;
    for (int y = 1; y < height; ++y) {
        a = (a + 2) % 65521, b = (b + a) % 65521;
        b = static_cast<uint32_t>((b + rowBytes % 65521 * a) % 65521);
    }
    Bytes adler(4);
    Poke32BigEndian(adler, 0, (b << 16) | a);
    z.bytes.insert(z.bytes.end(), adler.begin(), adler.end());

    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header(13);
    Poke32BigEndian(header, 0, static_cast<uint32_t>(width));
    Poke32BigEndian(header, 4, static_cast<uint32_t>(height));
    header[8] = 8;  // bits per channel
    header[9] = 6;  // RGBA
    PngChunk(png, "IHDR", header);
    PngChunk(png, "IDAT", z.bytes);
    PngChunk(png, "IEND", {});
    return png;
}

Bytes PngClaiming(const Bytes& png, uint32_t width, uint32_t height) {
    Bytes out = png;
    Poke32BigEndian(out, 16, width);
    Poke32BigEndian(out, 20, height);
    return out;
}

Bytes BmpClaiming(const Bytes& bmp, int32_t width, int32_t height) {
    Bytes out = bmp;
    Poke32(out, 18, static_cast<uint32_t>(width));
    Poke32(out, 22, static_cast<uint32_t>(height));
    return out;
}

Bytes TgaClaiming(const Bytes& tga, uint16_t width, uint16_t height) {
    Bytes out = tga;
    Poke16(out, 12, width);
    Poke16(out, 14, height);
    return out;
}

Bytes JpegClaiming(const Bytes& jpeg, uint16_t width, uint16_t height) {
    Bytes out = jpeg;
    const size_t frame = FindMarker(out, 0xC0);
    out[frame + 5] = static_cast<uint8_t>(height >> 8);
    out[frame + 6] = static_cast<uint8_t>(height & 0xFF);
    out[frame + 7] = static_cast<uint8_t>(width >> 8);
    out[frame + 8] = static_cast<uint8_t>(width & 0xFF);
    return out;
}

TempFolder::TempFolder() {
    char pattern[] = "/tmp/vigil-overlay-XXXXXX";
    if (!mkdtemp(pattern)) throw std::runtime_error("mkdtemp failed");
    folder = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

std::string TempFolder::Write(const std::string& name, const Bytes& bytes) const {
    std::string path = Path(name);
    WriteFile(path, bytes);
    return path;
}

}  // namespace overlay_test
