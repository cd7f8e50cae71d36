// A review sheet of the built-in font: every printable character drawn large, one per
// grid cell, white on dark, with faint guides at the cap line, x-height and baseline.
#pragma once

#include <string>

#include "tools/hostcli/Picture.h"

constexpr int kFontSheetColumns = 16;
constexpr int kFontSheetRows = 6;     // 96 cells: codes 32..126 and one empty cell
constexpr int kFontSheetScale = 4;    // pixels per glyph cell
constexpr int kFontSheetPadding = 8;  // pixels between the grid line and the glyph
constexpr int kFontSheetCellWidth = 16 * kFontSheetScale + 2 * kFontSheetPadding;
constexpr int kFontSheetCellHeight = 24 * kFontSheetScale + 2 * kFontSheetPadding;

struct FontSheetPoint {
    int x = 0;
    int y = 0;
};

// Top-left pixel of glyph index (character code - 32) on the sheet.
FontSheetPoint FontSheetGlyphOrigin(int glyphIndex);

Picture RenderFontSheet();

// Renders the sheet and writes it as a PNG; false with a reason when it cannot.
bool WriteFontSheet(const std::string& path, std::string* error);
