# The HUD: vertex lists, glyph cells and clock text without GL, and the drawn HUD read
# back from a real GL context.
add_executable(hud_geometry_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/hud/HudVerticesTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/hud/InfoTextTest.cpp)
target_link_libraries(hud_geometry_tests PRIVATE vigil_core GTest::gtest_main)
gtest_discover_tests(hud_geometry_tests)

# The GL tests need a display: run them under xvfb-run.
add_executable(hud_drawing_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/hud/HudDrawingTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/hud/InfoBlockDrawingTest.cpp)
target_link_libraries(hud_drawing_tests PRIVATE vigil_core vigil_hostkit GTest::gtest_main)
gtest_discover_tests(hud_drawing_tests)

# Through the built library, as a host drives it.
add_executable(hud_frame_tests ${CMAKE_CURRENT_SOURCE_DIR}/hud/HudFrameTest.cpp)
target_link_libraries(hud_frame_tests PRIVATE vigil_hostkit GTest::gtest_main)
target_compile_definitions(hud_frame_tests PRIVATE VIGIL_PLUGIN_PATH="${VIGIL_PLUGIN_PATH}")
add_dependencies(hud_frame_tests ZaqVigilomatronic)
gtest_discover_tests(hud_frame_tests)
