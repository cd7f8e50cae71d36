# GLEW for the Windows build, compiled statically from Debian's GLEW source package
# (Debian ships no mingw build of it), and stb's headers copied out of the Linux
# include tree, which the cross compiler must never search as a whole.
set(VIGIL_GLEW_SOURCE_DIR ${CMAKE_BINARY_DIR}/deps/glew CACHE PATH
  "Unpacked GLEW source (scripts/fetch-glew-source.sh)")
if(NOT EXISTS ${VIGIL_GLEW_SOURCE_DIR}/src/glew.c)
  message(FATAL_ERROR "GLEW source not found in ${VIGIL_GLEW_SOURCE_DIR}: "
    "run scripts/fetch-glew-source.sh ${CMAKE_BINARY_DIR}/deps (or ./dev.sh windows)")
endif()
add_library(glew_static STATIC ${VIGIL_GLEW_SOURCE_DIR}/src/glew.c)
target_include_directories(glew_static SYSTEM PUBLIC ${VIGIL_GLEW_SOURCE_DIR}/include)
target_compile_definitions(glew_static PUBLIC GLEW_STATIC GLEW_NO_GLU)
# Third-party code, compiled as shipped: its warnings are not ours to mend.
target_compile_options(glew_static PRIVATE -w)
target_link_libraries(glew_static PUBLIC opengl32)

set(VIGIL_STB_DIR /usr/include/stb CACHE PATH "stb headers from Debian's libstb-dev")
set(VIGIL_STB_INCLUDE_DIR ${CMAKE_BINARY_DIR}/deps/stb)
foreach(header stb_image.h stb_image_write.h)
  if(NOT EXISTS ${VIGIL_STB_DIR}/${header})
    message(FATAL_ERROR "${VIGIL_STB_DIR}/${header} not found: install libstb-dev")
  endif()
  file(COPY ${VIGIL_STB_DIR}/${header} DESTINATION ${VIGIL_STB_INCLUDE_DIR})
endforeach()
