#include "tools/video/VideoColour.h"

namespace {

bool IsRgb(const std::string& pixelFormat) {
    for (const char* prefix : {"rgb", "bgr", "gbr", "argb", "abgr", "0rgb", "0bgr", "pal8"})
        if (pixelFormat.rfind(prefix, 0) == 0) return true;
    return false;
}

// The tags ffmpeg's zscale reads the input with; gaps filled as for reading it.
std::string ZscaleInput(const ColourTags& colour) {
    const std::string transfer = colour.transfer.empty() ? "bt709" : colour.transfer;
    return "zscale=tin=" + transfer + ":min=" + colour.matrix + ":pin=" + colour.primaries + ":rin=" + colour.range;
}

std::string Described(const ColourTags& colour) {
    const std::string transfer = colour.transfer == "smpte2084"      ? "PQ"
                                 : colour.transfer == "arib-std-b67" ? "HLG"
                                                                     : "SDR";
    return transfer + (IsWideGamut(colour) ? ", BT.2020" : "");
}

}  // namespace

bool IsHighDefinition(int width, int height) { return width >= 1280 || height > 576; }

ColourTags InputColour(const VideoInfo& info) {
    ColourTags colour = info.colour;
    const bool rgb = IsRgb(info.pixelFormat);
    if (colour.matrix.empty() || rgb)
        colour.matrix = rgb ? "gbr" : IsHighDefinition(info.width, info.height) ? "bt709" : "smpte170m";
    if (colour.range.empty()) colour.range = rgb ? "pc" : "tv";
    if (colour.primaries.empty()) colour.primaries = IsHighDefinition(info.width, info.height) ? "bt709" : "smpte170m";
    return colour;
}

ColourTags OutputColour(int width, int height) {
    if (IsHighDefinition(width, height)) return {"bt709", "tv", "bt709", "bt709"};
    // 625-line (PAL) pictures have primaries of their own; the matrix is BT.601's either way.
    const bool pal = height == 576 || height == 288;
    const std::string standard = pal ? "bt470bg" : "smpte170m";
    return {standard, "tv", "smpte170m", standard};
}

std::string ScaleMatrixName(const std::string& matrix) {
    if (matrix == "smpte170m" || matrix == "bt470bg") return "bt601";
    if (matrix == "bt2020nc" || matrix == "bt2020c") return "bt2020";
    if (matrix == "bt709" || matrix == "fcc" || matrix == "smpte240m") return matrix;
    return "bt601";
}

LumaWeights WeightsOf(const std::string& matrix) {
    const std::string name = ScaleMatrixName(matrix);
    if (name == "bt709") return {0.2126, 0.0722};
    if (name == "bt2020") return {0.2627, 0.0593};
    if (name == "smpte240m") return {0.212, 0.087};
    if (name == "fcc") return {0.30, 0.11};
    return {0.299, 0.114};
}

bool IsHdr(const ColourTags& colour) { return colour.transfer == "smpte2084" || colour.transfer == "arib-std-b67"; }

bool IsWideGamut(const ColourTags& colour) { return colour.primaries == "bt2020"; }

std::string ToSdrFilters(const ColourTags& colour) {
    if (IsHdr(colour))
        return ZscaleInput(colour) +
               ":t=linear:npl=100,format=gbrpf32le,zscale=p=bt709,tonemap=tonemap=hable:desat=0,zscale=t=bt709,"
               "format=gbrp";
    if (IsWideGamut(colour))
        return ZscaleInput(colour) + ":t=linear,format=gbrpf32le,zscale=p=bt709:t=bt709,format=gbrp";
    return "";
}

std::string ColourNote(const VideoInfo& info, const std::string& input) {
    const ColourTags colour = InputColour(info);
    const std::string what = input + " is " + std::to_string(info.bitDepth) + "-bit ";
    if (IsHdr(colour) && !info.sdrFilters)
        return what + "HDR (" + Described(colour) +
               "): rendered in 8 bits without tone mapping, as this ffmpeg has no zscale or tonemap filter";
    if (IsHdr(colour))
        return what + "HDR (" + Described(colour) + "): tone-mapped to 8-bit SDR (ffmpeg's tonemap, hable)";
    if (IsWideGamut(colour) && !info.sdrFilters)
        return what + Described(colour) + ": rendered in 8 bits, its colours unconverted, as this ffmpeg has no zscale";
    if (IsWideGamut(colour)) return what + Described(colour) + ": converted to 8-bit SDR colours (BT.709 primaries)";
    if (info.bitDepth > 8)
        return input + " is " + std::to_string(info.bitDepth) + "-bit: rendered in 8 bits per channel";
    return "";
}
