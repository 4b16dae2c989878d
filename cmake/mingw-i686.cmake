# Cross build for 32-bit Windows: the program we ship.
set(TARNWICK_MINGW i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
