# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (posix threads):
#   cmake -S . -B build-windows --toolchain cmake/windows-x64-mingw.cmake
# Programs are linked statically, so that an .exe needs no DLL beside it.
# Tests run under Wine, in a Wine prefix of the build folder's own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZERU_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZERU_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZERU_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZERU_MINGW_TRIPLE}-windres)

# Libraries and packages come from the MinGW tree and from the folders given in
# CMAKE_PREFIX_PATH (GoogleTest built for Windows, CLI11's headers), never
# from the build machine's /usr.
set(CMAKE_FIND_ROOT_PATH /usr/${ZERU_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# libstdc++, libgcc and winpthread inside the .exe.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Every program run at build or test time goes through Wine: quiet, and with a
# prefix inside the build folder (never the user's ~/.wine). The prefix is
# made once, by the first program that needs it.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh")
