# Frame cost: the batched HUD without GL, and in a real GL context (run under xvfb-run)
# the batched frame against the per-primitive drawing, its draw calls and uploads, and
# the allocations of frames after the first. Timings belong to vigil-host bench.
set(PERF_TESTS ${CMAKE_CURRENT_SOURCE_DIR}/perf)

add_executable(perf_batching_tests ${PERF_TESTS}/HudBatchingTest.cpp)
target_link_libraries(perf_batching_tests PRIVATE vigil_core GTest::gtest_main)
gtest_discover_tests(perf_batching_tests)

add_executable(perf_identity_tests ${PERF_TESTS}/FrameIdentityTest.cpp ${PERF_TESTS}/DrawCounting.cpp)
target_link_libraries(perf_identity_tests PRIVATE vigil_core vigil_hostkit ${CMAKE_DL_LIBS} GTest::gtest_main)
gtest_discover_tests(perf_identity_tests)

# Its own process: it replaces the global operator new.
add_executable(perf_allocation_tests ${PERF_TESTS}/FrameAllocationTest.cpp)
target_link_libraries(perf_allocation_tests PRIVATE vigil_core vigil_hostkit GTest::gtest_main)
gtest_discover_tests(perf_allocation_tests)

add_executable(perf_bench_tests ${PERF_TESTS}/BenchCommandTest.cpp)
target_include_directories(perf_bench_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(perf_bench_tests PRIVATE GTest::gtest_main)
target_compile_definitions(perf_bench_tests PRIVATE
  VIGIL_HOST_PATH="$<TARGET_FILE:vigil-host>" VIGIL_PLUGIN_FILE="${VIGIL_PLUGIN_PATH}")
add_dependencies(perf_bench_tests vigil-host ZaqVigilomatronic)
gtest_discover_tests(perf_bench_tests)
