# Cross-building the Windows programs on Linux with Debian's mingw-w64 (64-bit).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(LEXI_MINGW_TRIPLET x86_64-w64-mingw32)
# The POSIX thread model: GoogleTest needs std::mutex, which the Win32 model
# of Debian's compilers lacks.
set(CMAKE_C_COMPILER ${LEXI_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LEXI_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${LEXI_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${LEXI_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Each program runs alone on a bare Windows: no runtime DLLs to ship.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Programs built here run on Linux under Wine (tests, benchmarks, screenshots).
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
