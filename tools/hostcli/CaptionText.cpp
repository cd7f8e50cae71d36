#include "tools/hostcli/CaptionText.h"

#include <algorithm>
#include <cstdint>

#include "tools/hostcli/ThisPlugin.h"

namespace {

constexpr int kCellsPerPixel = kFontGlyphColumns / kCaptionCharacterWidth;
static_assert(kFontGlyphRows / kCellsPerPixel == kCaptionLineHeight);

// How many of the glyph cells under pixel (x, y) of the character are lit, out of 255.
int Coverage(const uint16_t* rows, int x, int y) {
    int lit = 0;
    for (int row = y * kCellsPerPixel; row < (y + 1) * kCellsPerPixel; ++row)
        for (int column = x * kCellsPerPixel; column < (x + 1) * kCellsPerPixel; ++column)
            lit += FontCellLit(rows, column, row) ? 1 : 0;
    return lit * 255 / (kCellsPerPixel * kCellsPerPixel);
}

}  // namespace

std::string CaptionCharacters(const std::string& text) {
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            shown += c;
        else if (byte >= 0xC0)  // a sequence's lead byte; its continuation bytes are dropped
            shown += '?';
    }
    return shown;
}

std::string FitCaption(const std::string& text, int maxWidth) {
    std::string shown = CaptionCharacters(text);
    const size_t room = static_cast<size_t>(std::max(maxWidth, 0) / kCaptionCharacterWidth);
    if (shown.size() <= room) return shown;
    return room < 2 ? shown.substr(0, room) : shown.substr(0, room - 2) + "..";
}

void DrawCaption(Picture& picture, int x, int y, const std::string& text, Rgb colour) {
    const std::string shown = CaptionCharacters(text);
    for (size_t i = 0; i < shown.size(); ++i) {
        const uint16_t* rows = FontGlyphRows(static_cast<unsigned char>(shown[i]));
        const int left = x + static_cast<int>(i) * kCaptionCharacterWidth;
        for (int row = 0; row < kCaptionLineHeight; ++row)
            for (int column = 0; column < kCaptionCharacterWidth; ++column)
                BlendPixel(picture, left + column, y + row, colour, Coverage(rows, column, row));
    }
}
