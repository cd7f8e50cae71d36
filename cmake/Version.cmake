# The project's version for the code: VigilVersion.h in the build folder, and on Windows
# the DLL's version resource (VIGIL_VERSION_RESOURCE), compiled by windres.
configure_file(${CMAKE_CURRENT_LIST_DIR}/VigilVersion.h.in ${CMAKE_BINARY_DIR}/generated/VigilVersion.h @ONLY)
add_library(vigil_version INTERFACE)
target_include_directories(vigil_version INTERFACE ${CMAKE_BINARY_DIR}/generated)
if(WIN32)
  enable_language(RC)
  set(VIGIL_VERSION_RESOURCE ${CMAKE_BINARY_DIR}/generated/VersionResource.rc)
  configure_file(${CMAKE_SOURCE_DIR}/platform/VersionResource.rc.in ${VIGIL_VERSION_RESOURCE} @ONLY)
endif()
