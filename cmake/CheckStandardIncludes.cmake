# SPDX-FileCopyrightText: 2026 Parliament quiz developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The quiz's rules speak only through the controls' interface, in standard
# C++: no file in QUIZ includes a header of Qt, of a toolkit's controls
# (ui/qt/, ui/web/), of the window (app/), or emscripten's. Run as a script:
#   cmake -DQUIZ=src/quiz -P CheckStandardIncludes.cmake
cmake_minimum_required(VERSION 3.25)
file(GLOB sources ${QUIZ}/*.h ${QUIZ}/*.cpp)
if(NOT sources)
    message(FATAL_ERROR "no sources in ${QUIZ}")
endif()
set(violations)
foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*" "\\1" header "${line}")
        # Qt's headers: QString, QtCore/qstring.h, qglobal.h, qt6/...
        if(header MATCHES "^(Q[A-Za-z]+|Qt[A-Za-z]*/.*|q[a-z0-9_]+\\.h|qt6/.*)$"
                OR header MATCHES "^(app|ui/qt|ui/web|emscripten)/" OR header MATCHES "^emscripten")
            list(APPEND violations "${source}: ${header}")
        endif()
    endforeach()
endforeach()
if(violations)
    list(JOIN violations "\n  " listed)
    message(FATAL_ERROR "the quiz reaches past the controls' interface:\n  ${listed}")
endif()
