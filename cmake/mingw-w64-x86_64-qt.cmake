# 64-bit Windows from Debian's mingw-w64 (g++-mingw-w64-x86-64-posix), for Qt
# and the programs that use it: their DLLs and executables share one C++
# runtime (libstdc++-6.dll, libgcc_s_seh-1.dll, libwinpthread-1.dll), which
# the installer carries beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Qt for Windows, as scripts/build-qt-windows installs it, is searched beside
# mingw-w64's own libraries.
if(DEFINED ENV{CALLWISE_QT_WINDOWS})
    set(CALLWISE_QT_WINDOWS $ENV{CALLWISE_QT_WINDOWS})
elseif(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
    set(CALLWISE_QT_WINDOWS $ENV{XDG_CACHE_HOME}/callwise/qt-6.4.2-mingw)
else()
    set(CALLWISE_QT_WINDOWS $ENV{HOME}/.cache/callwise/qt-6.4.2-mingw)
endif()
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${CALLWISE_QT_WINDOWS})
# Its tools (moc, rcc, uic, lupdate, lrelease) are the host's, of the same version.
set(QT_HOST_PATH /usr CACHE PATH "Qt of the host, for its tools")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "The host Qt's CMake packages")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# ctest runs the tests under Wine; the caller chooses WINEPREFIX.
find_program(CALLWISE_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_DEFAULT_PATH)
if(NOT CALLWISE_WINE)
    find_program(CALLWISE_WINE NAMES wine64 wine)
endif()
if(CALLWISE_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CALLWISE_WINE})
endif()
