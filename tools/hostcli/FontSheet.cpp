#include "tools/hostcli/FontSheet.h"

#include <cstdint>
#include <exception>

#include "tools/hostcli/PictureDrawing.h"
#include "tools/hostcli/PictureWrite.h"
#include "tools/hostcli/ThisPlugin.h"

namespace {

constexpr Rgb kBackground{24, 26, 32};
constexpr Rgb kGrid{72, 76, 92};
constexpr Rgb kGuide{44, 48, 62};
constexpr Rgb kInk{240, 240, 240};

// Font rows whose top edge gets a guide: cap line, x-height, below the baseline,
// below the lowest descender.
constexpr int kGuideRows[] = {4, 8, 19, 23};

void DrawGrid(Picture& sheet) {
    for (int c = 0; c <= kFontSheetColumns; ++c) FillRect(sheet, c * kFontSheetCellWidth, 0, 1, sheet.height, kGrid);
    for (int r = 0; r <= kFontSheetRows; ++r) FillRect(sheet, 0, r * kFontSheetCellHeight, sheet.width, 1, kGrid);
}

void DrawGuides(Picture& sheet, FontSheetPoint origin) {
    for (int row : kGuideRows) {
        FillRect(sheet, origin.x, origin.y + row * kFontSheetScale, kFontGlyphColumns * kFontSheetScale, 1, kGuide);
    }
}

void DrawGlyph(Picture& sheet, int glyphIndex, FontSheetPoint origin) {
    const uint16_t* rows = FontGlyphRows(static_cast<unsigned char>(kFontFirstCode + glyphIndex));
    for (int row = 0; row < kFontGlyphRows; ++row) {
        for (int column = 0; column < kFontGlyphColumns; ++column) {
            if (!FontCellLit(rows, column, row)) continue;
            FillRect(sheet, origin.x + column * kFontSheetScale, origin.y + row * kFontSheetScale, kFontSheetScale,
                     kFontSheetScale, kInk);
        }
    }
}

}  // namespace

FontSheetPoint FontSheetGlyphOrigin(int glyphIndex) {
    const int column = glyphIndex % kFontSheetColumns;
    const int row = glyphIndex / kFontSheetColumns;
    return {column * kFontSheetCellWidth + kFontSheetPadding, row * kFontSheetCellHeight + kFontSheetPadding};
}

Picture RenderFontSheet() {
    Picture sheet;
    // One extra pixel for the closing grid line on the right and at the bottom.
    sheet.width = kFontSheetColumns * kFontSheetCellWidth + 1;
    sheet.height = kFontSheetRows * kFontSheetCellHeight + 1;
    sheet.rgba.resize(static_cast<size_t>(sheet.width) * sheet.height * 4);
    FillRect(sheet, 0, 0, sheet.width, sheet.height, kBackground);
    DrawGrid(sheet);
    for (int i = 0; i < kFontGlyphCount; ++i) {
        const FontSheetPoint origin = FontSheetGlyphOrigin(i);
        DrawGuides(sheet, origin);
        DrawGlyph(sheet, i, origin);
    }
    return sheet;
}

bool WriteFontSheet(const std::string& path, std::string* error) {
    try {
        const Picture sheet = RenderFontSheet();
        std::string reason;
        if (WritePictureFile(path, sheet.width, sheet.height, sheet.rgba.data(), &reason)) return true;
        if (error) *error = reason;
    } catch (const std::exception& e) {
        if (error) *error = std::string("cannot render the font sheet: ") + e.what();
    }
    return false;
}
