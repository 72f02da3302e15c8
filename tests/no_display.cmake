# Runs PROGRAM where no display can be opened and checks what it says.
set(ENV{QT_QPA_PLATFORM} xcb)
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
execute_process(COMMAND ${PROGRAM} RESULT_VARIABLE status ERROR_VARIABLE said OUTPUT_VARIABLE out
    TIMEOUT 30)
string(STRIP "${said}" said)
string(REGEX MATCHALL "\n" breaks "${said}")
list(LENGTH breaks extra_lines)
if(NOT status EQUAL 1 OR NOT extra_lines EQUAL 0 OR NOT said MATCHES "^parliament-quiz: .*display")
    message(FATAL_ERROR "expected one line and status 1, got status ${status}:\n${said}")
endif()
message(STATUS "said: ${said}")
