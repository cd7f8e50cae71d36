# Frame cost: the batched HUD without GL, and in a real GL context (run under xvfb-run)
# the batched frame against the per-primitive drawing, its draw calls and uploads, and
# the allocations of frames after the first. Timings belong to vigil-host bench.
vigil_test(perf_batching_tests perf/HudBatchingTest.cpp LINKS vigil_core)
vigil_test(perf_identity_tests perf/FrameIdentityTest.cpp perf/DrawCounting.cpp
  LINKS vigil_core vigil_hostkit ${CMAKE_DL_LIBS})
# Its own process: it replaces the global operator new.
vigil_test(perf_allocation_tests perf/FrameAllocationTest.cpp LINKS vigil_core vigil_hostkit)
vigil_test(perf_bench_tests perf/BenchCommandTest.cpp HOST)
