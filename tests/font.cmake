# The built-in bitmap font: layout rules over the whole glyph table, and the review sheet.
add_executable(font_table_test font/GlyphTableTest.cpp)
target_link_libraries(font_table_test PRIVATE vigil_core GTest::gtest_main)
gtest_discover_tests(font_table_test)

add_executable(font_sheet_test font/FontSheetTest.cpp
  ${CMAKE_SOURCE_DIR}/tools/FontSheet.cpp ${CMAKE_SOURCE_DIR}/tools/PngWrite.cpp)
target_include_directories(font_sheet_test PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(font_sheet_test PRIVATE vigil_core vigil_stb GTest::gtest_main)
gtest_discover_tests(font_sheet_test)
