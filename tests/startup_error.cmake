# SPDX-FileCopyrightText: 2026 Parliament quiz developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts PROGRAM on PLATFORM with no display to open and checks that it ends
# with status 1 and one line that matches SAYS.
set(ENV{QT_QPA_PLATFORM} ${PLATFORM})
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
execute_process(COMMAND ${PROGRAM} RESULT_VARIABLE status ERROR_VARIABLE said OUTPUT_VARIABLE out
    TIMEOUT 30)
string(STRIP "${said}" said)
string(REGEX MATCHALL "\n" breaks "${said}")
list(LENGTH breaks extra_lines)
if(NOT status EQUAL 1 OR NOT extra_lines EQUAL 0 OR NOT said MATCHES "^parliament-quiz: ${SAYS}")
    message(FATAL_ERROR "expected one line and status 1, got status ${status}:\n${said}")
endif()
message(STATUS "said: ${said}")
