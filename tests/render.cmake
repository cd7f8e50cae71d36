# The GL support layer, the processing pass and the frame: pure frame values and the GL
# holders' single ownership without GL, and pictures rendered in a real GL context (run
# under xvfb-run) and read back.
vigil_test(render_values_tests render/ProcessingValuesTest.cpp render/MotionClockTest.cpp render/HolderTraitsTest.cpp
  LINKS vigil_core)
vigil_test(render_gl_tests render/ShaderProgramTest.cpp render/ScopedBindingTest.cpp
  render/GraphicsLifecycleTest.cpp render/ProcessingPassTest.cpp render/FrameCompositionTest.cpp
  LINKS vigil_core vigil_hostkit)
vigil_test(render_boundary_tests render/BoundaryFrameTest.cpp render/HostSituationsTest.cpp LINKS vigil_hostkit PLUGIN)
# A show started hours, days and a year late through the test copy's door: the noise's
# grain and the steps of the scan line and the radar, read back.
vigil_test(render_long_show_tests render/LongShowTest.cpp LINKS vigil_hostkit ${CMAKE_DL_LIBS} DOORS)
