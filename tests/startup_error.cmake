# SPDX-FileCopyrightText: 2026 Parliament quiz developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts PROGRAM on PLATFORM, with ARGUMENT if given, with no display to open
# and checks that it ends with status 1 and one line that matches SAYS.
set(ENV{QT_QPA_PLATFORM} ${PLATFORM})
# In a UTF-8 locale, as a desktop session is: in another, Qt says it switched.
set(ENV{LC_ALL} C.UTF-8)
# Where a platform that starts (offscreen) would otherwise say it found none.
if(RUNTIME_DIR)
    file(MAKE_DIRECTORY ${RUNTIME_DIR})
    file(CHMOD ${RUNTIME_DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    set(ENV{XDG_RUNTIME_DIR} ${RUNTIME_DIR})
endif()
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
execute_process(COMMAND ${PROGRAM} ${ARGUMENT} RESULT_VARIABLE status ERROR_VARIABLE said OUTPUT_VARIABLE out
    TIMEOUT 30)
string(STRIP "${said}" said)
string(REGEX MATCHALL "\n" breaks "${said}")
list(LENGTH breaks extra_lines)
if(NOT status EQUAL 1 OR NOT extra_lines EQUAL 0 OR NOT said MATCHES "^parliament-quiz: ${SAYS}")
    message(FATAL_ERROR "expected one line and status 1, got status ${status}:\n${said}")
endif()
message(STATUS "said: ${said}")
