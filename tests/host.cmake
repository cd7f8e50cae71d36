# The host interface: the built library driven through plugMain as a host does, plus
# in-process tests of what a host cannot reach.
vigil_test(host_boundary_tests host/GlobalQueriesTest.cpp host/ThumbnailTest.cpp host/InstanceTest.cpp
  LINKS vigil_hostkit PLUGIN)
vigil_test(host_internal_tests host/HostInternalsTest.cpp host/LifeCycleTest.cpp LINKS vigil_test_access vigil_hostkit)
# Its own process: GLEW's failure must be the first thing that happens there.
vigil_test(host_glew_failure_tests host/GlewFailureTest.cpp LINKS vigil_core vigil_hostkit PLUGIN)
