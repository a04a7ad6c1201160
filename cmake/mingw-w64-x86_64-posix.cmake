# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (package
# g++-mingw-w64-x86-64-posix: the flavour with POSIX threads, which std::thread needs).
#
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64-posix.cmake
#
# The executables are linked statically, so they run on Windows, or under Wine, without the
# compiler's runtime DLLs beside them. Tests and the discovery of test names run them through
# CMAKE_CROSSCOMPILING_EMULATOR (wine64 when it is installed).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CW_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${CW_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CW_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${CW_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${CW_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(CW_WINE NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(CW_WINE NAMES wine64 wine)
if(CW_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CW_WINE})
endif()
