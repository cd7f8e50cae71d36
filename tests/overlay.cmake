# The overlay picture: guarded decoding, structure walks and pacing without GL; loading,
# drawing and releasing in a real GL context (run under xvfb-run). Test files are made
# by the tests themselves.
set(OVERLAY_TESTS ${CMAKE_CURRENT_SOURCE_DIR}/overlay)
add_library(overlay_test_files STATIC ${OVERLAY_TESTS}/PictureFiles.cpp)
target_include_directories(overlay_test_files PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(overlay_test_files PUBLIC vigil_stb)

add_executable(overlay_decode_tests
  ${OVERLAY_TESTS}/GuardedDecodeTest.cpp
  ${OVERLAY_TESTS}/GifStructureTest.cpp
  ${OVERLAY_TESTS}/OverlayPacingTest.cpp)
target_link_libraries(overlay_decode_tests PRIVATE vigil_core overlay_test_files GTest::gtest_main)
gtest_discover_tests(overlay_decode_tests)

add_executable(overlay_gl_tests
  ${OVERLAY_TESTS}/OverlayDrawingTest.cpp
  ${OVERLAY_TESTS}/OverlayLoadingTest.cpp)
target_link_libraries(overlay_gl_tests PRIVATE vigil_core vigil_hostkit overlay_test_files GTest::gtest_main)
gtest_discover_tests(overlay_gl_tests)

add_executable(overlay_boundary_tests ${OVERLAY_TESTS}/OverlayBoundaryTest.cpp)
target_link_libraries(overlay_boundary_tests PRIVATE vigil_hostkit overlay_test_files GTest::gtest_main)
target_compile_definitions(overlay_boundary_tests PRIVATE VIGIL_PLUGIN_PATH="${VIGIL_PLUGIN_PATH}")
add_dependencies(overlay_boundary_tests ZaqVigilomatronic)
gtest_discover_tests(overlay_boundary_tests DISCOVERY_MODE PRE_TEST)
