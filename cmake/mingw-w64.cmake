# Cross-builds the Windows x64 DLL and host on Debian with mingw-w64's posix-threads
# compilers:
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# GLEW's source must be unpacked first (scripts/fetch-glew-source.sh, or ./dev.sh windows).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VIGIL_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VIGIL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VIGIL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VIGIL_MINGW_TRIPLET}-windres)

# Never pick up the Linux build machine's headers or libraries.
set(CMAKE_FIND_ROOT_PATH /usr/${VIGIL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# mingw's own C99 printf family instead of msvcrt's: "%zu" works, and numbers print as
# on Linux, so both builds write the same texts.
set(CMAKE_C_FLAGS_INIT "-D__USE_MINGW_ANSI_STDIO=1")
set(CMAKE_CXX_FLAGS_INIT "-D__USE_MINGW_ANSI_STDIO=1")

# Self-contained binaries: libstdc++, libgcc and winpthread are linked in, since a VJ's
# machine has no mingw runtime DLLs (-static-libgcc -static-libstdc++ alone still leaves
# libwinpthread-1.dll as an import).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
