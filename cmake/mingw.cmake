# Shared part of the mingw-w64 toolchains: set SCRUBWELL_MINGW_CPU (i686, x86_64) and
# SCRUBWELL_WINE_ARCH (the Wine prefix its tests need: win32, win64) before including this.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${SCRUBWELL_MINGW_CPU})
set(CMAKE_C_COMPILER ${SCRUBWELL_MINGW_CPU}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${SCRUBWELL_MINGW_CPU}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${SCRUBWELL_MINGW_CPU}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${SCRUBWELL_MINGW_CPU}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Tests of this build run under Wine, each in a clone of the run's throwaway prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)
# Static libraries only: the product ships no DLLs beside the exe.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)
set(ZLIB_USE_STATIC_LIBS ON)
# Read by the Wine scripts from the build tree's cache.
set(SCRUBWELL_WINE_ARCH ${SCRUBWELL_WINE_ARCH} CACHE STRING "Wine prefix architecture of this build's tests")
