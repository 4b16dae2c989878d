# Shared by the mingw-w64 toolchain files: set TARNWICK_MINGW (the target
# triplet's machine, i686 or x86_64) before including this file. The POSIX
# threads compilers are used because GoogleTest needs std::mutex, which the
# win32-threads variant lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TARNWICK_MINGW})

set(CMAKE_C_COMPILER ${TARNWICK_MINGW}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARNWICK_MINGW}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${TARNWICK_MINGW}-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TARNWICK_MINGW}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# No runtime DLLs beside the exe: libstdc++, libgcc and winpthread go in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
