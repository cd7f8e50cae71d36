// How a video's colours are coded, in and out: the matrix and range an input is read with
// (its tags, or what players assume when it has none), the tags every video output gets,
// and what a 10-bit, wide-gamut or HDR input needs to become 8-bit SDR.
#pragma once

#include <string>

#include "tools/video/VideoInfo.h"

// Players take an untagged picture this size or larger for BT.709, a smaller one for BT.601.
bool IsHighDefinition(int width, int height);

// The input's tags with the gaps filled: matrix by size, limited range for YUV, full for RGB.
ColourTags InputColour(const VideoInfo& info);

// The tags a video output of this size is converted to and labelled with: BT.709 for HD,
// BT.601 (525 or 625 lines) for SD, always limited range.
ColourTags OutputColour(int width, int height);

// swscale's name for a matrix tag ("bt709", "bt601", "bt2020"...).
std::string ScaleMatrixName(const std::string& matrix);

// The luma weights of a matrix tag: Y = kr R + (1 - kr - kb) G + kb B.
struct LumaWeights {
    double kr;
    double kb;
};
LumaWeights WeightsOf(const std::string& matrix);

// PQ or HLG.
bool IsHdr(const ColourTags& colour);
bool IsWideGamut(const ColourTags& colour);

// The filters that bring an HDR or wide-gamut picture to 8-bit SDR BT.709 RGB before it is
// scaled ("" when none are needed), and the one-line note a user reads about it ("" when
// there is nothing to say). The note names the input.
std::string ToSdrFilters(const ColourTags& colour);
std::string ColourNote(const VideoInfo& info, const std::string& input);
