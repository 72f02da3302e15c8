# SPDX-FileCopyrightText: 2026 Parliament quiz developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What differs in the browser: the form's face travels inside the program,
# the page carries the accessibility Qt's web platform lacks, and everything
# a school's connection must download is kept small.

target_sources(quiz_ui PRIVATE
    ${PROJECT_SOURCE_DIR}/src/ui/BrowserPage.cpp
    ${PROJECT_SOURCE_DIR}/src/ui/BrowserAccessibility.cpp)
# The mirror turns Qt's accessibility on as a screen reader would.
target_link_libraries(quiz_ui PRIVATE Qt6::GuiPrivate)

# The browser lends the program no fonts.
qt_add_resources(quiz_ui form_face PREFIX /fonts BASE ${PROJECT_SOURCE_DIR}/data/web/fonts
    FILES ${PROJECT_SOURCE_DIR}/data/web/fonts/QuizSerif-Regular.ttf)

# Left out of the download: Qt's own two faces, which the form's face
# replaces, and the standard icons and image readers nothing here shows.
foreach(resources IN ITEMS Qt6::QWasmIntegrationPlugin_resources_1
        Qt6::QWasmIntegrationPlugin_resources_2 Qt6::Widgets_resources_1
        Qt6::Widgets_resources_2 Qt6::Widgets_resources_3 Qt6::Widgets_resources_4)
    if(NOT TARGET ${resources})
        continue()
    endif()
    get_target_property(objects ${resources} IMPORTED_OBJECTS_RELEASE)
    if(NOT objects MATCHES "/qrc_(wasmfonts|qstyle)_init")
        continue()
    endif()
    get_target_property(configs ${resources} IMPORTED_CONFIGURATIONS)
    foreach(config IN LISTS configs)
        set_target_properties(${resources} PROPERTIES IMPORTED_OBJECTS_${config} "")
    endforeach()
    set_target_properties(${resources} PROPERTIES IMPORTED_OBJECTS "")
endforeach()
qt_import_plugins(parliament-quiz EXCLUDE_BY_TYPE imageformats)

# The site, as a school copies it to its web server: cmake --build . --target web-site
find_program(QUIZ_GZIP NAMES zopfli gzip)
find_program(QUIZ_BROTLI NAMES brotli)
set(QUIZ_SITE ${PROJECT_BINARY_DIR}/site)
add_custom_target(web-site ALL
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR}
        -DPROGRAM_DIR=$<TARGET_FILE_DIR:parliament-quiz> -DSITE=${QUIZ_SITE}
        -DGZIP=${QUIZ_GZIP} -DBROTLI=${QUIZ_BROTLI} -P ${CMAKE_CURRENT_LIST_DIR}/WebSite.cmake
    DEPENDS parliament-quiz
    COMMENT "Laying out the web site in ${QUIZ_SITE}"
    VERBATIM)
