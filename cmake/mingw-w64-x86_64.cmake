# 64-bit Windows executables from Debian's mingw-w64 (g++-mingw-w64-x86-64-posix),
# linked statically so they run under Wine with no DLLs beside them.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64-qt.cmake)

# libgcc, libstdc++ and winpthread go into the executable.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
