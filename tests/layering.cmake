# SPDX-FileCopyrightText: 2026 Parliament quiz developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The quiz speaks to the window only through the control layer: no file in
# QUIZ names a header of the window (app/), the one that hands out the widget
# behind a control (ui/ControlWidget.h), or one of a Qt module in FORBIDDEN
# (the folders of Qt Widgets' and Qt GUI's own headers). Run as a script:
#   cmake -DQUIZ=src/quiz "-DFORBIDDEN=dir;dir" -P layering.cmake
cmake_minimum_required(VERSION 3.25)
set(forbidden_headers)
foreach(dir IN LISTS FORBIDDEN)
    get_filename_component(module ${dir} NAME)
    file(GLOB headers RELATIVE ${dir} ${dir}/*)
    foreach(header IN LISTS headers)
        list(APPEND forbidden_headers ${header} ${module}/${header})
    endforeach()
endforeach()
if(NOT forbidden_headers)
    message(FATAL_ERROR "no Qt headers found in ${FORBIDDEN}")
endif()

file(GLOB sources ${QUIZ}/*.h ${QUIZ}/*.cpp)
set(violations)
foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*" "\\1" header "${line}")
        if(header MATCHES "^app/" OR header STREQUAL "ui/ControlWidget.h"
                OR header IN_LIST forbidden_headers)
            list(APPEND violations "${source}: ${header}")
        endif()
    endforeach()
endforeach()
if(violations)
    list(JOIN violations "\n  " listed)
    message(FATAL_ERROR "the quiz reaches past the control layer:\n  ${listed}")
endif()
