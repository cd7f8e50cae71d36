# The same sources give the same bytes, in whatever folder they are built: paths in debug
# information and __FILE__ are written relative to the tree (./ for the sources, ./build
# for what the build made), and the Windows linker leaves out the time of the link.
# Static libraries are already deterministic: Debian's ar writes no time stamps or owners.
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=./build)
if(WIN32)
  add_link_options(-Wl,--no-insert-timestamp)
endif()
