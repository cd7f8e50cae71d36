# The host interface: the built library driven through plugMain as a host does, plus
# in-process tests of what a host cannot reach.
set(HOST_TESTS ${CMAKE_CURRENT_SOURCE_DIR}/host)

add_executable(host_boundary_tests
  ${HOST_TESTS}/GlobalQueriesTest.cpp ${HOST_TESTS}/ThumbnailTest.cpp ${HOST_TESTS}/InstanceTest.cpp)
target_link_libraries(host_boundary_tests PRIVATE vigil_hostkit GTest::gtest_main)
target_compile_definitions(host_boundary_tests PRIVATE VIGIL_PLUGIN_PATH="${VIGIL_PLUGIN_PATH}")
add_dependencies(host_boundary_tests ZaqVigilomatronic)
gtest_discover_tests(host_boundary_tests DISCOVERY_MODE PRE_TEST)

add_executable(host_internal_tests ${HOST_TESTS}/HostInternalsTest.cpp ${HOST_TESTS}/LifeCycleTest.cpp)
target_link_libraries(host_internal_tests PRIVATE vigil_core vigil_hostkit GTest::gtest_main)
gtest_discover_tests(host_internal_tests DISCOVERY_MODE PRE_TEST)

# Its own process: GLEW's failure must be the first thing that happens there.
add_executable(host_glew_failure_tests ${HOST_TESTS}/GlewFailureTest.cpp)
target_link_libraries(host_glew_failure_tests PRIVATE vigil_core vigil_hostkit GTest::gtest_main)
target_compile_definitions(host_glew_failure_tests PRIVATE VIGIL_PLUGIN_PATH="${VIGIL_PLUGIN_PATH}")
add_dependencies(host_glew_failure_tests ZaqVigilomatronic)
gtest_discover_tests(host_glew_failure_tests DISCOVERY_MODE PRE_TEST)
