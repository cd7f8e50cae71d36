# OpenGL through GLEW, and stb's headers (a system include: their warnings are not ours).
add_library(vigil_gl INTERFACE)
add_library(vigil_stb INTERFACE)
if(WIN32)
  # The Windows build compiles GLEW's source statically (see cmake/mingw-w64.cmake).
  include(${CMAKE_CURRENT_LIST_DIR}/GlewWindows.cmake)
  target_link_libraries(vigil_gl INTERFACE glew_static opengl32)
  target_compile_definitions(vigil_gl INTERFACE GLEW_STATIC GLEW_NO_GLU)
  target_include_directories(vigil_stb SYSTEM INTERFACE ${VIGIL_STB_INCLUDE_DIR})
  # stb's own file reads and writes take UTF-8 paths through the wide-character API.
  target_compile_definitions(vigil_stb INTERFACE STBI_WINDOWS_UTF8 STBIW_WINDOWS_UTF8)
else()
  set(OpenGL_GL_PREFERENCE GLVND)
  find_package(OpenGL REQUIRED COMPONENTS OpenGL GLX)
  find_package(GLEW REQUIRED)
  target_link_libraries(vigil_gl INTERFACE GLEW::GLEW OpenGL::OpenGL OpenGL::GLX)
  find_path(STB_INCLUDE_DIR stb_image.h PATH_SUFFIXES stb REQUIRED)
  target_include_directories(vigil_stb SYSTEM INTERFACE ${STB_INCLUDE_DIR})
endif()
