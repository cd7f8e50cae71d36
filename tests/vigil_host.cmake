# The headless host: its pure parts in-process, and the built vigil-host run as a
# subprocess against the real plug-in and against two stand-in libraries.
add_library(vigil_refusing_plugin SHARED vigil_host/RefusingPlugin.cpp)
target_include_directories(vigil_refusing_plugin PRIVATE ${CMAKE_SOURCE_DIR})
add_library(vigil_no_entry_library SHARED vigil_host/NoEntryLibrary.cpp)

vigil_test(vigil_host_unit_tests vigil_host/CommandLineTest.cpp vigil_host/ParameterSettingsTest.cpp
  vigil_host/PicturesTest.cpp vigil_host/AutomationTest.cpp vigil_host/VideoPlanTest.cpp vigil_host/FootagePlanTest.cpp
  vigil_host/GalleryTest.cpp LINKS vigil_hostcommands)
vigil_test(vigil_host_process_tests vigil_host/InfoCommandTest.cpp vigil_host/ThumbnailCommandTest.cpp
  vigil_host/BadLibraryTest.cpp vigil_host/RenderCommandTest.cpp vigil_host/GalleryCommandTest.cpp
  vigil_host/ChildProcessTest.cpp LINKS vigil_hostcli vigil_version HOST)
vigil_test(vigil_host_video_tests vigil_host/VideoRenderTest.cpp vigil_host/FootageTest.cpp vigil_host/PlayWindowTest.cpp
  LINKS vigil_hostcli HOST)
target_compile_definitions(vigil_host_process_tests PRIVATE
  VIGIL_REFUSING_PLUGIN="$<TARGET_FILE:vigil_refusing_plugin>"
  VIGIL_NO_ENTRY_LIBRARY="$<TARGET_FILE:vigil_no_entry_library>"
  VIGIL_PLANTED_FAULT_PLUGIN="$<TARGET_FILE:vigil_planted_fault_plugin>")
add_dependencies(vigil_host_process_tests vigil_refusing_plugin vigil_no_entry_library vigil_planted_fault_plugin)
