# The headless host: its pure parts in-process, and the built vigil-host run as a
# subprocess against the real plug-in and against two stand-in libraries.
set(VIGIL_HOST_TEST_DIR ${CMAKE_CURRENT_SOURCE_DIR}/vigil_host)

add_library(vigil_refusing_plugin SHARED ${VIGIL_HOST_TEST_DIR}/RefusingPlugin.cpp)
target_include_directories(vigil_refusing_plugin PRIVATE ${CMAKE_SOURCE_DIR})
add_library(vigil_no_entry_library SHARED ${VIGIL_HOST_TEST_DIR}/NoEntryLibrary.cpp)

add_executable(vigil_host_unit_tests
  ${VIGIL_HOST_TEST_DIR}/CommandLineTest.cpp
  ${VIGIL_HOST_TEST_DIR}/ParameterSettingsTest.cpp
  ${VIGIL_HOST_TEST_DIR}/PicturesTest.cpp)
target_link_libraries(vigil_host_unit_tests PRIVATE vigil_hostcli GTest::gtest_main)
gtest_discover_tests(vigil_host_unit_tests)

add_executable(vigil_host_process_tests
  ${VIGIL_HOST_TEST_DIR}/InfoCommandTest.cpp
  ${VIGIL_HOST_TEST_DIR}/ThumbnailCommandTest.cpp
  ${VIGIL_HOST_TEST_DIR}/BadLibraryTest.cpp
  ${VIGIL_HOST_TEST_DIR}/RenderCommandTest.cpp)
target_link_libraries(vigil_host_process_tests PRIVATE vigil_hostcli GTest::gtest_main)
target_compile_definitions(vigil_host_process_tests PRIVATE
  VIGIL_HOST_PATH="$<TARGET_FILE:vigil-host>"
  VIGIL_PLUGIN_FILE="${VIGIL_PLUGIN_PATH}"
  VIGIL_REFUSING_PLUGIN="$<TARGET_FILE:vigil_refusing_plugin>"
  VIGIL_NO_ENTRY_LIBRARY="$<TARGET_FILE:vigil_no_entry_library>")
add_dependencies(vigil_host_process_tests vigil-host ZaqVigilomatronic vigil_refusing_plugin vigil_no_entry_library)
gtest_discover_tests(vigil_host_process_tests)
