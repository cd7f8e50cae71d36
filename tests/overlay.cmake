# The overlay picture: guarded decoding, structure walks and pacing without GL; loading,
# drawing and releasing in a real GL context (run under xvfb-run). Test files are made
# by the tests themselves, except the few kept in overlay/files.
add_library(overlay_test_files STATIC overlay/PictureFiles.cpp)
target_include_directories(overlay_test_files PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(overlay_test_files PUBLIC vigil_stb)

vigil_test(overlay_decode_tests overlay/GuardedDecodeTest.cpp overlay/GifStructureTest.cpp
  overlay/OverlayPacingTest.cpp LINKS vigil_core overlay_test_files)
# Files kept because the decoder once misread them; the fuzzer starts from them too.
target_compile_definitions(overlay_decode_tests PRIVATE
  VIGIL_DECODE_FILES="${CMAKE_CURRENT_SOURCE_DIR}/overlay/files")
# The loading threads, with no GL: cheap enough to build under ThreadSanitizer on its own
# (VIGIL_TSAN, ./dev.sh test-tsan).
vigil_test(overlay_loader_tests overlay/OverlayLoaderTest.cpp LINKS vigil_overlay_loading overlay_test_files)
vigil_test(overlay_gl_tests overlay/OverlayDrawingTest.cpp overlay/OverlayLoadingTest.cpp overlay/OverlayQualityTest.cpp
  LINKS vigil_test_access vigil_hostkit overlay_test_files)
vigil_test(overlay_boundary_tests overlay/OverlayBoundaryTest.cpp LINKS vigil_hostkit overlay_test_files PLUGIN)
