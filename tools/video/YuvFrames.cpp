#include "tools/video/YuvFrames.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "tools/video/VideoColour.h"

namespace {

// Rounds to the nearest (ties to even, as the vector conversion does) within 0..255.
uint8_t ToByte(float value) { return static_cast<uint8_t>(std::clamp(std::lrint(value), 0L, 255L)); }

// The planes of a frame and the width of its chroma planes.
struct Planes {
    uint8_t* y;
    uint8_t* cb;
    uint8_t* cr;
    int chromaWidth;
};

Planes PlanesOf(const uint8_t* yuv, int width, int height) {
    uint8_t* luma = const_cast<uint8_t*>(yuv);
    const int chromaWidth = (width + 1) / 2, chromaHeight = (height + 1) / 2;
    uint8_t* cb = luma + static_cast<size_t>(width) * height;
    return {luma, cb, cb + static_cast<size_t>(chromaWidth) * chromaHeight, chromaWidth};
}

// One row of a 4:2:0 frame and where its pixels go.
struct DecodeRow {
    const uint8_t* luma;
    const uint8_t* cb;
    const uint8_t* cr;
    uint8_t* pixels;
};

// One row of pixels on its way to 4:2:0: the row below it (null on odd rows, which give no
// chroma of their own) and where its luma and chroma go.
struct EncodeRow {
    const uint8_t* pixels;
    const uint8_t* below;
    uint8_t* luma;
    uint8_t* cb;
    uint8_t* cr;
};

// One pixel's R, G, B from its Y', Cb, Cr; the vector code below does the same sums in the same order.
void DecodePixel(int luma, int cb, int cr, const YuvCoding& c, uint8_t* out) {
    const float l = (static_cast<float>(luma) - c.lumaOffset) * c.fromY;
    const float u = static_cast<float>(cb) - 128.0f, v = static_cast<float>(cr) - 128.0f;
    out[0] = ToByte(l + v * c.crToR);
    out[1] = ToByte(l + u * c.cbToG + v * c.crToG);
    out[2] = ToByte(l + u * c.cbToB);
    out[3] = 255;
}

float Weighted(float start, const float weights[3], float r, float g, float b) {
    return start + r * weights[0] + g * weights[1] + b * weights[2];
}

// The chroma sample of the 2x2 pixels at column x of a row and the one below; the right
// column repeats the left one at an odd width's end.
void EncodeChroma(const EncodeRow& row, size_t x, size_t width, const YuvCoding& c) {
    const size_t left = x * 4, right = std::min(x + 1, width - 1) * 4;
    const uint8_t* top = row.pixels;
    const uint8_t* bottom = row.below;
    float sum[3];
    for (size_t k = 0; k < 3; ++k)
        sum[k] = static_cast<float>((top[left + k] + bottom[left + k]) + (top[right + k] + bottom[right + k]));
    row.cb[x / 2] = ToByte(Weighted(128.0f, c.toCb, sum[0], sum[1], sum[2]));
    row.cr[x / 2] = ToByte(Weighted(128.0f, c.toCr, sum[0], sum[1], sum[2]));
}

#ifdef __SSE2__
__m128 FloatsOf(__m128i lanes) { return _mm_cvtepi32_ps(lanes); }

// Eight bytes as two vectors of four floats.
void Widen(__m128i eightBytes, __m128* low, __m128* high) {
    const __m128i words = _mm_unpacklo_epi8(eightBytes, _mm_setzero_si128());
    *low = FloatsOf(_mm_unpacklo_epi16(words, _mm_setzero_si128()));
    *high = FloatsOf(_mm_unpackhi_epi16(words, _mm_setzero_si128()));
}

__m128i Rounded(__m128 low, __m128 high) { return _mm_packs_epi32(_mm_cvtps_epi32(low), _mm_cvtps_epi32(high)); }

void StoreFour(__m128 values, uint8_t* out) {
    const __m128i words = Rounded(values, values);
    const int32_t four = _mm_cvtsi128_si32(_mm_packus_epi16(words, words));
    std::memcpy(out, &four, 4);
}

void DecodeEight(const uint8_t* luma, const uint8_t* cb, const uint8_t* cr, const YuvCoding& c, uint8_t* out) {
    int32_t cbFour = 0, crFour = 0;
    std::memcpy(&cbFour, cb, 4);
    std::memcpy(&crFour, cr, 4);
    const __m128i cbBytes = _mm_cvtsi32_si128(cbFour), crBytes = _mm_cvtsi32_si128(crFour);
    __m128 y[2], u[2], v[2];
    Widen(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(luma)), &y[0], &y[1]);
    Widen(_mm_unpacklo_epi8(cbBytes, cbBytes), &u[0], &u[1]);
    Widen(_mm_unpacklo_epi8(crBytes, crBytes), &v[0], &v[1]);
    __m128 r[2], g[2], b[2];
    for (int h = 0; h < 2; ++h) {
        const __m128 l = _mm_mul_ps(_mm_sub_ps(y[h], _mm_set1_ps(c.lumaOffset)), _mm_set1_ps(c.fromY));
        const __m128 uu = _mm_sub_ps(u[h], _mm_set1_ps(128.0f)), vv = _mm_sub_ps(v[h], _mm_set1_ps(128.0f));
        r[h] = _mm_add_ps(l, _mm_mul_ps(vv, _mm_set1_ps(c.crToR)));
        g[h] = _mm_add_ps(_mm_add_ps(l, _mm_mul_ps(uu, _mm_set1_ps(c.cbToG))), _mm_mul_ps(vv, _mm_set1_ps(c.crToG)));
        b[h] = _mm_add_ps(l, _mm_mul_ps(uu, _mm_set1_ps(c.cbToB)));
    }
    // R and G bytes in one vector, B and alpha in another, then woven into pixels.
    const __m128i rg = _mm_packus_epi16(Rounded(r[0], r[1]), Rounded(g[0], g[1]));
    const __m128i ba = _mm_packus_epi16(Rounded(b[0], b[1]), _mm_set1_epi16(255));
    const __m128i rgPairs = _mm_unpacklo_epi8(rg, _mm_srli_si128(rg, 8));
    const __m128i baPairs = _mm_unpacklo_epi8(ba, _mm_srli_si128(ba, 8));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi16(rgPairs, baPairs));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 16), _mm_unpackhi_epi16(rgPairs, baPairs));
}

// The R, G and B of four RGBA pixels as floats.
void Channels(__m128i pixels, __m128 rgb[3]) {
    const __m128i byte = _mm_set1_epi32(0xFF);
    for (int k = 0; k < 3; ++k) rgb[k] = FloatsOf(_mm_and_si128(_mm_srli_epi32(pixels, 8 * k), byte));
}

__m128 Weighted(float start, const float weights[3], const __m128 rgb[3]) {
    __m128 sum = _mm_add_ps(_mm_set1_ps(start), _mm_mul_ps(rgb[0], _mm_set1_ps(weights[0])));
    sum = _mm_add_ps(sum, _mm_mul_ps(rgb[1], _mm_set1_ps(weights[1])));
    return _mm_add_ps(sum, _mm_mul_ps(rgb[2], _mm_set1_ps(weights[2])));
}

void EncodeLumaEight(const uint8_t* rgba, const YuvCoding& c, uint8_t* out) {
    __m128 low[3], high[3];
    Channels(_mm_loadu_si128(reinterpret_cast<const __m128i*>(rgba)), low);
    Channels(_mm_loadu_si128(reinterpret_cast<const __m128i*>(rgba + 16)), high);
    const __m128i words = Rounded(Weighted(c.lumaOffset, c.toY, low), Weighted(c.lumaOffset, c.toY, high));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(words, words));
}

// Four chroma samples from 8 x 2 pixels.
void EncodeChromaFour(const uint8_t* top, const uint8_t* bottom, const YuvCoding& c, uint8_t* cb, uint8_t* cr) {
    __m128 sums[3];
    __m128 columns[2][3];
    for (size_t half = 0; half < 2; ++half) {
        __m128 upper[3], lower[3];
        Channels(_mm_loadu_si128(reinterpret_cast<const __m128i*>(top + 16 * half)), upper);
        Channels(_mm_loadu_si128(reinterpret_cast<const __m128i*>(bottom + 16 * half)), lower);
        for (int k = 0; k < 3; ++k) columns[half][k] = _mm_add_ps(upper[k], lower[k]);
    }
    for (int k = 0; k < 3; ++k)
        sums[k] = _mm_add_ps(_mm_shuffle_ps(columns[0][k], columns[1][k], _MM_SHUFFLE(2, 0, 2, 0)),
                             _mm_shuffle_ps(columns[0][k], columns[1][k], _MM_SHUFFLE(3, 1, 3, 1)));
    StoreFour(Weighted(128.0f, c.toCb, sums), cb);
    StoreFour(Weighted(128.0f, c.toCr, sums), cr);
}
#endif

// The pixels of a row the vector unit converts, eight at a time; the first pixel it leaves.
size_t DecodeEights(const DecodeRow& row, size_t width, const YuvCoding& c) {
    size_t x = 0;
#ifdef __SSE2__
    for (; x + 8 <= width; x += 8) DecodeEight(row.luma + x, row.cb + x / 2, row.cr + x / 2, c, row.pixels + 4 * x);
#else
    (void)row, (void)width, (void)c;
#endif
    return x;
}

size_t EncodeEights(const EncodeRow& row, size_t width, const YuvCoding& c) {
    size_t x = 0;
#ifdef __SSE2__
    for (; x + 8 <= width; x += 8) {
        EncodeLumaEight(row.pixels + 4 * x, c, row.luma + x);
        if (row.below) EncodeChromaFour(row.pixels + 4 * x, row.below + 4 * x, c, row.cb + x / 2, row.cr + x / 2);
    }
#else
    (void)row, (void)width, (void)c;
#endif
    return x;
}

}  // namespace

YuvCoding CodingOf(const ColourTags& colour) {
    const LumaWeights weights = WeightsOf(colour.matrix);
    const double kr = weights.kr, kb = weights.kb, kg = 1.0 - kr - kb;
    const bool full = colour.range == "pc";
    const double lumaScale = full ? 1.0 : 219.0 / 255.0, chromaScale = full ? 1.0 : 224.0 / 255.0;
    const double cb = chromaScale / (2.0 * (1.0 - kb)), cr = chromaScale / (2.0 * (1.0 - kr));
    // The chroma weights take the sum of the four pixels a sample covers.
    const double toY[3] = {lumaScale * kr, lumaScale * kg, lumaScale * kb};
    const double toCb[3] = {-cb * kr / 4, -cb * kg / 4, cb * (1.0 - kb) / 4};
    const double toCr[3] = {cr * (1.0 - kr) / 4, -cr * kg / 4, -cr * kb / 4};
    YuvCoding coding{};
    for (int k = 0; k < 3; ++k) {
        coding.toY[k] = static_cast<float>(toY[k]);
        coding.toCb[k] = static_cast<float>(toCb[k]);
        coding.toCr[k] = static_cast<float>(toCr[k]);
    }
    coding.lumaOffset = full ? 0.0f : 16.0f;
    coding.fromY = static_cast<float>(1.0 / lumaScale);
    coding.crToR = static_cast<float>(1.0 / cr);
    coding.cbToB = static_cast<float>(1.0 / cb);
    coding.cbToG = static_cast<float>(-kb / (cb * kg));
    coding.crToG = static_cast<float>(-kr / (cr * kg));
    return coding;
}

size_t Yuv420Bytes(int width, int height) {
    return static_cast<size_t>(width) * height + 2 * static_cast<size_t>((width + 1) / 2) * ((height + 1) / 2);
}

void Yuv420ToRgba(const uint8_t* yuv, int width, int height, const YuvCoding& coding, uint8_t* rgba) {
    const Planes planes = PlanesOf(yuv, width, height);
    const size_t columns = static_cast<size_t>(width);
    for (int y = 0; y < height; ++y) {
        const size_t chroma = static_cast<size_t>(y / 2) * planes.chromaWidth;
        const DecodeRow row{planes.y + static_cast<size_t>(y) * columns, planes.cb + chroma, planes.cr + chroma,
                            rgba + static_cast<size_t>(height - 1 - y) * columns * 4};
        for (size_t x = DecodeEights(row, columns, coding); x < columns; ++x)
            DecodePixel(row.luma[x], row.cb[x / 2], row.cr[x / 2], coding, row.pixels + 4 * x);
    }
}

void RgbaToYuv420(const uint8_t* rgba, int width, int height, const YuvCoding& coding, uint8_t* yuv) {
    const Planes planes = PlanesOf(yuv, width, height);
    const size_t columns = static_cast<size_t>(width);
    // Row y of the picture, top first, is row height - 1 - y of the frame GL gives.
    auto pixels = [&](int y) { return rgba + static_cast<size_t>(height - 1 - std::min(y, height - 1)) * columns * 4; };
    for (int y = 0; y < height; ++y) {
        const size_t chroma = static_cast<size_t>(y / 2) * planes.chromaWidth;
        const EncodeRow row{pixels(y), y % 2 == 0 ? pixels(y + 1) : nullptr,
                            planes.y + static_cast<size_t>(y) * columns, planes.cb + chroma, planes.cr + chroma};
        const size_t done = EncodeEights(row, columns, coding);
        for (size_t x = done; x < columns; ++x) {
            const uint8_t* pixel = row.pixels + 4 * x;
            row.luma[x] = ToByte(Weighted(coding.lumaOffset, coding.toY, pixel[0], pixel[1], pixel[2]));
        }
        for (size_t x = done; row.below && x < columns; x += 2) EncodeChroma(row, x, columns, coding);
    }
}
