# Frame cost in a real GL context (run under xvfb-run): the draw calls and uploads of a
# batched frame, and the allocations of frames after the first. Timings belong to
# vigil-host bench.
vigil_test(perf_draw_call_tests perf/DrawCallTest.cpp perf/DrawCounting.cpp
  LINKS vigil_test_access vigil_hostkit ${CMAKE_DL_LIBS})
# Its own process: it replaces the global operator new.
vigil_test(perf_allocation_tests perf/FrameAllocationTest.cpp LINKS vigil_test_access vigil_hostkit)
vigil_test(perf_bench_tests perf/BenchCommandTest.cpp LINKS overlay_test_files HOST)
