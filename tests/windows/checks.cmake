# Checks of the Windows platform layer, built by the Windows build only and run under
# Wine by tests/windows/compare-under-wine.sh.
add_executable(file-open-check ${CMAKE_CURRENT_LIST_DIR}/FileOpenCheck.cpp
  ${CMAKE_SOURCE_DIR}/platform/FileOpen.cpp)
target_include_directories(file-open-check PRIVATE ${CMAKE_SOURCE_DIR})

add_executable(shader-diagnostics-check ${CMAKE_CURRENT_LIST_DIR}/ShaderDiagnosticsCheck.cpp
  ${CMAKE_SOURCE_DIR}/tests/support/EffectTestAccess.cpp)
target_link_libraries(shader-diagnostics-check PRIVATE vigil_core vigil_hostkit)
