# SPDX-FileCopyrightText: 2026 Parliament quiz developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The quiz in the browser: the same rules over the page's own elements
# (src/ui/web/), built with emscripten into a small program that makes and
# keeps up to date the form of a plain page (data/web/). No Qt.

add_executable(parliament-quiz
    src/app/web/main.cpp
    src/ui/web/CommandButton.cpp src/ui/web/CommandButton.h
    src/ui/web/Element.cpp src/ui/web/Element.h
    src/ui/web/FormBuilder.cpp src/ui/web/FormBuilder.h
    src/ui/web/Label.cpp src/ui/web/Label.h
    src/ui/web/ListBox.cpp src/ui/web/ListBox.h
    src/ui/web/Node.cpp src/ui/web/Node.h
    src/ui/web/OptionButton.cpp src/ui/web/OptionButton.h
    src/ui/web/TextBox.cpp src/ui/web/TextBox.h
)
target_include_directories(parliament-quiz PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(parliament-quiz PRIVATE quiz_logic quiz_options)
# Small and strict: the page's CSP allows no eval, the program runs only in
# a page, and the allocator is the smallest that serves a form.
target_compile_options(parliament-quiz PRIVATE -Oz)
target_link_options(parliament-quiz PRIVATE -Oz -sENVIRONMENT=web
    -sDYNAMIC_EXECUTION=0 -sMALLOC=emmalloc -sTEXTDECODER=2 -sFILESYSTEM=0
    -sEXPORTED_FUNCTIONS=_main,_quizNotify)

# The site, as a school copies it to its web server: cmake --build . --target web-site
find_program(QUIZ_GZIP NAMES zopfli gzip)
find_program(QUIZ_BROTLI NAMES brotli)
set(QUIZ_SITE ${PROJECT_BINARY_DIR}/site)
add_custom_target(web-site ALL
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR}
        -DPROGRAM_DIR=$<TARGET_FILE_DIR:parliament-quiz> -DSITE=${QUIZ_SITE}
        -DGZIP=${QUIZ_GZIP} -DBROTLI=${QUIZ_BROTLI} -DQUIZ_TITLE=${QUIZ_TITLE}
        -DQUIZ_PAGE_COLOR=${QUIZ_FORM_COLOR_CSS} -P ${CMAKE_CURRENT_LIST_DIR}/WebSite.cmake
    DEPENDS parliament-quiz
    COMMENT "Laying out the web site in ${QUIZ_SITE}"
    VERBATIM)
