# SPDX-FileCopyrightText: 2026 Parliament quiz developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# How a test is added, for tests/ and for each platform's own tests
# (cmake/Quiz*.cmake). Each helper takes what it needs as arguments.

# What every test runs in: Qt's offscreen platform, so no display is
# needed, and under the sanitizers, their options.
set(QUIZ_TEST_ENVIRONMENT QT_QPA_PLATFORM=offscreen)
if(QUIZ_SANITIZE)
    list(APPEND QUIZ_TEST_ENVIRONMENT
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
        UBSAN_OPTIONS=print_stacktrace=1)
endif()

# A Qt Test suite from NAME.cpp and SOURCES, linking LIBRARIES (and Qt Test),
# run in ENVIRONMENT.
function(quiz_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES;ENVIRONMENT")
    qt_add_executable(${name} ${name}.cpp ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} Qt6::Test quiz_options)
    # A static Qt links only its default platform plugin.
    get_target_property(qt_library_type Qt6::Core TYPE)
    if(qt_library_type STREQUAL STATIC_LIBRARY)
        qt_import_plugins(${name} INCLUDE Qt6::QOffscreenIntegrationPlugin)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${arg_ENVIRONMENT}")
endfunction()

# TEST run once more as NAME, in other surroundings: ENVIRONMENT.
function(quiz_add_variant name test)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "ENVIRONMENT")
    add_test(NAME ${name} COMMAND ${test})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${arg_ENVIRONMENT}")
endfunction()

# A suite that cannot be built here, reported by ctest as skipped, and WHY.
function(quiz_add_skipped_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" WHY "")
    add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -E echo "skipped: ${arg_WHY}")
    set_tests_properties(${name} PROPERTIES SKIP_REGULAR_EXPRESSION "^skipped: ")
endfunction()

# Links the FONTS that match, less those that match EXCLUDE, into DIR.
function(quiz_font_folder dir)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" EXCLUDE FONTS)
    file(GLOB_RECURSE fonts ${arg_FONTS})
    if(arg_EXCLUDE)
        list(FILTER fonts EXCLUDE REGEX ${arg_EXCLUDE})
    endif()
    file(MAKE_DIRECTORY ${dir})
    foreach(font IN LISTS fonts)
        get_filename_component(font_name ${font} NAME)
        file(CREATE_LINK ${font} ${dir}/${font_name} SYMBOLIC)
    endforeach()
endfunction()
