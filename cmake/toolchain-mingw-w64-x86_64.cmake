# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers

# Cross build for 64-bit Windows with Debian's mingw-w64 (packages g++-mingw-w64-x86-64-posix
# and mingw-w64-x86-64-dev). The posix flavour gives std::thread and friends.
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TICKLOT_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TICKLOT_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TICKLOT_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TICKLOT_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TICKLOT_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Executables carry the C and C++ runtimes and winpthread inside them, so they start on any
# Windows (and under Wine) without MinGW's DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# CTest and test discovery run the executables through Wine when it is installed.
find_program(TICKLOT_WINE NAMES wine)
if(TICKLOT_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TICKLOT_WINE})
endif()
