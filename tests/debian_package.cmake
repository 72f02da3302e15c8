# SPDX-FileCopyrightText: 2026 Parliament quiz developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the .deb from BUILD_DIR, unpacks it into a scratch root and checks
# its files, its fields, and that the unpacked program starts and keeps running.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB -B ${WORK_DIR}
    WORKING_DIRECTORY ${BUILD_DIR} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB packages ${WORK_DIR}/*.deb)
list(LENGTH packages count)
if(NOT status EQUAL 0 OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack made no single package (status ${status}):\n${out}")
endif()

set(root ${WORK_DIR}/root)
execute_process(COMMAND dpkg-deb -x ${packages} ${root} COMMAND_ERROR_IS_FATAL ANY)
foreach(file
        usr/bin/parliament-quiz
        usr/share/doc/parliament-quiz/copyright
        usr/share/doc/parliament-quiz/changelog.gz
        usr/share/man/man1/parliament-quiz.1.gz
        usr/share/applications/${APP_ID}.desktop
        usr/share/metainfo/${APP_ID}.metainfo.xml
        usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg
        usr/share/icons/hicolor/16x16/apps/${APP_ID}.png
        usr/share/icons/hicolor/32x32/apps/${APP_ID}.png
        usr/share/icons/hicolor/48x48/apps/${APP_ID}.png
        usr/share/icons/hicolor/64x64/apps/${APP_ID}.png
        usr/share/icons/hicolor/128x128/apps/${APP_ID}.png
        usr/share/icons/hicolor/256x256/apps/${APP_ID}.png)
    if(NOT EXISTS ${root}/${file})
        message(FATAL_ERROR "the package lacks /${file}")
    endif()
endforeach()

foreach(field Package Version Section Maintainer Depends Description)
    execute_process(COMMAND dpkg-deb -f ${packages} ${field} OUTPUT_VARIABLE value
        OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    set(${field} "${value}")
endforeach()
if(NOT Package STREQUAL "parliament-quiz" OR NOT Version STREQUAL "1.00"
        OR NOT Section STREQUAL "education" OR Maintainer STREQUAL ""
        OR NOT Depends MATCHES "libqt6widgets6" OR NOT Depends MATCHES "fonts-liberation2")
    message(FATAL_ERROR "unexpected fields: ${Package} ${Version} ${Section} "
        "'${Maintainer}' '${Depends}'")
endif()

if(LINTIAN)
    execute_process(COMMAND ${LINTIAN} --fail-on error,warning ${packages}
        RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lintian finds fault with the package:\n${said}")
    endif()
endif()

# Offscreen, the program has nothing to close it: still running when the
# time runs out means it started and stayed up.
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND ${root}/usr/bin/parliament-quiz TIMEOUT 3
    RESULT_VARIABLE status ERROR_VARIABLE said)
if(NOT status MATCHES "timeout")
    message(FATAL_ERROR "the unpacked program ended early (${status}):\n${said}")
endif()
message(STATUS "${Package} ${Version}, depends on ${Depends}")
