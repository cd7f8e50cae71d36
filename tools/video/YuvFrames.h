// 8-bit planar Y'CbCr 4:2:0 frames, the form video is decoded from and encoded to, turned
// into the RGBA the plug-in draws with and back, by the matrix and range the video is tagged
// with. Exact to the rounding of each value (ffmpeg's own fast conversion is off by up to 3
// steps), and on the CPU, eight pixels at a time: on a software GL driver a GPU pass costs
// more, and converting here rather than in ffmpeg halves the bytes on the pipes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "tools/video/VideoInfo.h"

// A Y'CbCr coding: Y' and chroma from R, G, B (0..255), and back.
struct YuvCoding {
    float toY[3];
    float toCb[3];
    float toCr[3];
    float lumaOffset;  // 16 for limited range, 0 for full
    float fromY;       // the scale of Y' minus its offset
    float crToR, cbToG, crToG, cbToB;
};

// The coding of a tagged matrix ("bt709", "smpte170m", ...) and range ("tv", "pc").
YuvCoding CodingOf(const ColourTags& colour);

// Bytes of a 4:2:0 frame: its luma plane and two chroma planes of half its sides, rounded up.
size_t Yuv420Bytes(int width, int height);

// A 4:2:0 frame, top row first, into RGBA with the bottom row first (as GL stores it);
// each chroma sample serves the 2x2 pixels it covers.
void Yuv420ToRgba(const uint8_t* yuv, int width, int height, const YuvCoding& coding, uint8_t* rgba);

// RGBA with the bottom row first into a 4:2:0 frame, top row first; each chroma sample is
// taken from the average of the 2x2 pixels it covers (an odd last row or column twice).
void RgbaToYuv420(const uint8_t* rgba, int width, int height, const YuvCoding& coding, uint8_t* yuv);
