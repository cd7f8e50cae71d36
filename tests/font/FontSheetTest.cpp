// The font review sheet: every glyph cell lands where the table says, and the PNG on
// disk holds exactly the rendered picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "effect/font/GlyphTable.h"
#include "tools/hostcli/FontSheet.h"
#include "tools/hostcli/PictureWrite.h"

// A private PNG reader to check what was written.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#include <stb_image.h>

namespace {

bool FileExists(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (f) std::fclose(f);
    return f != nullptr;
}

// Lit cells are near white, unlit ones (background or guide) stay dark.
bool IsInk(const Picture& sheet, int x, int y) { return sheet.At(x, y)[0] > 200; }

TEST(FontSheet, EveryGlyphCellIsDrawnWhereTheTablePutsIt) {
    const Picture sheet = RenderFontSheet();
    ASSERT_EQ(sheet.width, kFontSheetColumns * kFontSheetCellWidth + 1);
    ASSERT_EQ(sheet.height, kFontSheetRows * kFontSheetCellHeight + 1);
    const int half = kFontSheetScale / 2;
    for (int glyph = 0; glyph < 95; ++glyph) {
        const FontSheetPoint origin = FontSheetGlyphOrigin(glyph);
        for (int row = 0; row < 24; ++row) {
            for (int column = 0; column < 16; ++column) {
                const bool lit = (GlyphTable[glyph][row] >> (15 - column) & 1) != 0;
                const int x = origin.x + column * kFontSheetScale + half;
                const int y = origin.y + row * kFontSheetScale + half;
                ASSERT_EQ(IsInk(sheet, x, y), lit)
                    << "'" << static_cast<char>(glyph + 32) << "' row " << row << " column " << column;
            }
        }
    }
}

TEST(FontSheet, GlyphBoxesStayInsideTheirGridCells) {
    for (int glyph : {0, 15, 16, 94}) {
        const FontSheetPoint origin = FontSheetGlyphOrigin(glyph);
        const int cellLeft = glyph % kFontSheetColumns * kFontSheetCellWidth;
        const int cellTop = glyph / kFontSheetColumns * kFontSheetCellHeight;
        EXPECT_GT(origin.x, cellLeft);
        EXPECT_GT(origin.y, cellTop);
        EXPECT_LT(origin.x + 16 * kFontSheetScale, cellLeft + kFontSheetCellWidth);
        EXPECT_LT(origin.y + 24 * kFontSheetScale, cellTop + kFontSheetCellHeight);
    }
}

TEST(FontSheet, WrittenPngHoldsTheRenderedSheet) {
    const std::string path = ::testing::TempDir() + "vigil_font_sheet.png";
    std::string error;
    ASSERT_TRUE(WriteFontSheet(path, &error)) << error;

    const Picture sheet = RenderFontSheet();
    int width = 0, height = 0, channels = 0;
    uint8_t* pixels = stbi_load(path.c_str(), &width, &height, &channels, 4);
    ASSERT_NE(pixels, nullptr) << stbi_failure_reason();
    EXPECT_EQ(width, sheet.width);
    EXPECT_EQ(height, sheet.height);
    if (width == sheet.width && height == sheet.height) {
        EXPECT_TRUE(std::equal(sheet.rgba.begin(), sheet.rgba.end(), pixels)) << "decoded pixels differ";
    }
    stbi_image_free(pixels);
    std::remove(path.c_str());
}

TEST(FontSheet, UnwritablePathFailsWithTheReason) {
    // A missing folder is made; a folder inside a device cannot be.
    const std::string path = "/dev/null/sheet.png";
    std::string error;
    EXPECT_FALSE(WriteFontSheet(path, &error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_FALSE(WriteFontSheet(path, nullptr));
}

TEST(PngWrite, RejectsMissingOrEmptyPictures) {
    const std::string path = ::testing::TempDir() + "vigil_png_write_rejected.png";
    std::remove(path.c_str());
    const uint8_t pixel[4] = {1, 2, 3, 4};
    std::string error;
    EXPECT_FALSE(WritePng(path, 0, 1, pixel, &error));
    EXPECT_FALSE(WritePng(path, 1, -1, pixel, &error));
    EXPECT_FALSE(WritePng(path, 1, 1, nullptr, &error));
    EXPECT_FALSE(WritePng(path, 1 << 16, 1 << 16, pixel, &error));  // more bytes than the encoder can count
    EXPECT_FALSE(FileExists(path));
}

}  // namespace
