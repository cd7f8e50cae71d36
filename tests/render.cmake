# The GL support layer, the processing pass and the frame: pure frame values and the GL
# holders' single ownership without GL, and pictures rendered in a real GL context (run
# under xvfb-run) and read back.
vigil_test(render_values_tests render/ProcessingValuesTest.cpp render/MotionClockTest.cpp render/HolderTraitsTest.cpp
  LINKS vigil_core)
vigil_test(render_gl_tests render/ShaderProgramTest.cpp render/ScopedBindingTest.cpp
  render/GraphicsLifecycleTest.cpp render/ProcessingPassTest.cpp render/VariantBuildingTest.cpp
  render/FrameCompositionTest.cpp LINKS vigil_test_access vigil_hostkit)
# Once more where the context lacks parallel compiling: Mesa offers it on every driver.
add_test(NAME ParallelCompile.WithoutTheExtension
  COMMAND render_gl_tests --gtest_filter=ParallelCompile.*:Compiling/VariantBuilding.*)
set_tests_properties(ParallelCompile.WithoutTheExtension PROPERTIES ENVIRONMENT
  "MESA_EXTENSION_OVERRIDE=-GL_KHR_parallel_shader_compile -GL_ARB_parallel_shader_compile")
# Once with Mesa's shader cache off, where set-up must find building too dear for frames.
add_test(NAME BuildProbe.WithoutTheShaderCache COMMAND render_gl_tests --gtest_filter=BuildProbe.*)
set_tests_properties(BuildProbe.WithoutTheShaderCache PROPERTIES ENVIRONMENT "MESA_SHADER_CACHE_DISABLE=true")
vigil_test(render_boundary_tests render/BoundaryFrameTest.cpp render/HostSituationsTest.cpp LINKS vigil_hostkit PLUGIN)
# A show started hours, days and a year late through the test copy's door: the noise's
# grain and the steps of the scan line and the radar, read back.
vigil_test(render_long_show_tests render/LongShowTest.cpp LINKS vigil_hostkit ${CMAKE_DL_LIBS} DOORS)
