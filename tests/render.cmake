# The GL support layer, the processing pass and the frame: pure frame values without GL,
# and pictures rendered in a real GL context (run under xvfb-run) and read back.
add_executable(render_values_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/render/ProcessingValuesTest.cpp)
target_link_libraries(render_values_tests PRIVATE vigil_core GTest::gtest_main)
gtest_discover_tests(render_values_tests)

add_executable(render_gl_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/render/ShaderProgramTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/render/ScopedBindingTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/render/GraphicsLifecycleTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/render/ProcessingPassTest.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/render/FrameCompositionTest.cpp)
target_link_libraries(render_gl_tests PRIVATE vigil_core vigil_hostkit GTest::gtest_main)
gtest_discover_tests(render_gl_tests)

add_executable(render_boundary_tests ${CMAKE_CURRENT_SOURCE_DIR}/render/BoundaryFrameTest.cpp)
target_link_libraries(render_boundary_tests PRIVATE vigil_hostkit GTest::gtest_main)
target_compile_definitions(render_boundary_tests PRIVATE VIGIL_PLUGIN_PATH="${VIGIL_PLUGIN_PATH}")
add_dependencies(render_boundary_tests ZaqVigilomatronic)
gtest_discover_tests(render_boundary_tests)
