# The built-in bitmap font: layout rules over the whole glyph table, and the review sheet.
vigil_test(font_table_test font/GlyphTableTest.cpp LINKS vigil_core)
vigil_test(font_sheet_test font/FontSheetTest.cpp LINKS vigil_hostcli)
