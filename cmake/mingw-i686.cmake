# Cross-compiles the product for 32-bit Windows with mingw-w64 (posix thread model, static runtime).
set(SCRUBWELL_MINGW_CPU i686)
set(SCRUBWELL_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
