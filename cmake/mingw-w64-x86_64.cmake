# Cross-building for 64-bit Windows with Debian's mingw-w64 (the compilers
# with posix threads, so that std::thread and std::mutex work), linked
# statically: the .exe files need no DLL beside them. Tests and tools run
# under wine through the emulator setting.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KELVOR_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KELVOR_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KELVOR_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KELVOR_MINGW_TRIPLET}-windres)

# Libraries and headers come from the target's own tree only; programs
# (CMake, ninja) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${KELVOR_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libgcc, libstdc++ and winpthread go into each program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(KELVOR_WINE NAMES wine64 wine HINTS /usr/lib/wine)
if(KELVOR_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KELVOR_WINE})
endif()
