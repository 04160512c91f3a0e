# The same program for 64-bit Windows: the Windows tests run on it under wine64 where the machine
# cannot execute 32-bit code (some hosts run 64-bit user code only). The product stays 32-bit.
set(SCRUBWELL_MINGW_CPU x86_64)
set(SCRUBWELL_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
