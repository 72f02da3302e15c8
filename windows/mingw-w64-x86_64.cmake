# SPDX-FileCopyrightText: 2026 Parliament quiz developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix threads,
# which the static Qt for Windows is built with).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes linked in, so that a program imports only the
# system's own DLLs; in optimised builds, unused code dropped and symbols
# stripped.
set(CMAKE_C_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
foreach(config RELEASE MINSIZEREL RELWITHDEBINFO)
    set(CMAKE_EXE_LINKER_FLAGS_${config}_INIT "-Wl,--gc-sections -s")
endforeach()
