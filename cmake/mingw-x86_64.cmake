# Cross build for 64-bit Windows, from the same sources: it keeps the code
# 64-bit clean, and it is the build tested on hosts that cannot run 32-bit
# programs.
set(TARNWICK_MINGW x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
