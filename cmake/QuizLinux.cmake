# SPDX-FileCopyrightText: 2026 Parliament quiz developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What differs on Linux, included once every target exists: the program's
# hardening, what a desktop and a Debian package need besides the program,
# and the checks that read the sources or run Linux's own tools.

if(QUIZ_HARDENING AND NOT QUIZ_SANITIZE AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    # Optimised builds get the hardening Debian gives its own packages.
    # Never below what the compiler already gives: Ubuntu fortifies at level 3.
    include(CheckCXXCompilerFlag)
    include(CheckCXXSourceCompiles)
    set(CMAKE_REQUIRED_FLAGS -O2)
    check_cxx_source_compiles("#include <cstdio>
        #if !defined(_FORTIFY_SOURCE) || _FORTIFY_SOURCE < 2
        #error not fortified
        #endif
        int main() {}" QUIZ_FORTIFIED_BY_COMPILER)
    unset(CMAKE_REQUIRED_FLAGS)
    set(hardening -fstack-protector-strong)
    if(NOT QUIZ_FORTIFIED_BY_COMPILER)
        list(APPEND hardening -U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2)
    endif()
    foreach(flag -fstack-clash-protection -fcf-protection)
        string(MAKE_C_IDENTIFIER "QUIZ_HAS${flag}" supported)
        check_cxx_compiler_flag(${flag} ${supported})
        if(${supported})
            list(APPEND hardening ${flag})
        endif()
    endforeach()
    set(optimised $<NOT:$<CONFIG:Debug>>)
    target_compile_options(quiz_options INTERFACE $<${optimised}:${hardening}>)
    target_link_options(quiz_options INTERFACE $<${optimised}:LINKER:-z,relro,-z,now>)
endif()

# The desktop entry, the AppStream record, the icons, the manual page.
add_subdirectory(data)

# A Debian package: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME parliament-quiz)
set(CPACK_PACKAGE_VENDOR "Parliament quiz developers")
set(CPACK_PACKAGE_CONTACT "Parliament quiz developers <dev@parliament-quiz.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "matching quiz: countries and their parliaments")
# Lines of at most 80 characters, as Debian's tools want them.
set(CPACK_PACKAGE_DESCRIPTION "A one-window matching quiz for Bulgarian schools that ties
geography to informatics: the learner pairs each of twelve countries with the
name of its parliament and is told at once whether the pair is right. The quiz
is in Bulgarian and can be played with the mouse, with the keyboard alone or
with a screen reader.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://parliament-quiz.example.org/")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# The face the window is designed in; Qt's libraries come from the shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
include(CPack)

if(NOT BUILD_TESTING)
    return()
endif()
# The code follows .clang-format; checked where clang-format is installed.
find_program(CLANG_FORMAT NAMES clang-format)
if(CLANG_FORMAT)
    file(GLOB_RECURSE formatted_sources CONFIGURE_DEPENDS
        ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h
        ${PROJECT_SOURCE_DIR}/tests/*.cpp ${PROJECT_SOURCE_DIR}/tests/*.h
        ${PROJECT_SOURCE_DIR}/bench/*.cpp ${PROJECT_SOURCE_DIR}/bench/*.h
        ${PROJECT_SOURCE_DIR}/windows/*.cpp)
    add_test(NAME code_format COMMAND ${CLANG_FORMAT} --dry-run --Werror ${formatted_sources})
endif()

# No serif face at all, so the form's face is missing.
set(sans_font_dir ${PROJECT_BINARY_DIR}/tests/sans-fonts)
quiz_font_folder(${sans_font_dir} EXCLUDE Serif
    FONTS /usr/share/fonts/*Sans*.ttf /usr/share/fonts/*Sans*.otf)
configure_file(${PROJECT_SOURCE_DIR}/tests/no-serif-fonts.conf.in
    ${PROJECT_BINARY_DIR}/tests/no-serif-fonts.conf @ONLY)
quiz_add_variant(tst_surroundings_no_serif_font tst_surroundings
    ENVIRONMENT ${QUIZ_TEST_ENVIRONMENT}
    FONTCONFIG_FILE=${PROJECT_BINARY_DIR}/tests/no-serif-fonts.conf)

# A start-up that cannot open a window says why in one line, with status 1:
# no display, or a platform plugin that is not there, named.
add_test(NAME no_display COMMAND ${CMAKE_COMMAND} -DPLATFORM=xcb "-DSAYS=.*no usable display"
    -DPROGRAM=$<TARGET_FILE:parliament-quiz> -P ${PROJECT_SOURCE_DIR}/tests/startup_error.cmake)
# A set that cannot be opened says where and why, with status 1; on a screen
# in a message box too.
add_test(NAME bad_set_refused COMMAND ${CMAKE_COMMAND} -DPLATFORM=offscreen
    -DRUNTIME_DIR=${PROJECT_BINARY_DIR}/tests/runtime
    "-DARGUMENT=${PROJECT_SOURCE_DIR}/tests/Лош набор.csv"
    "-DSAYS=„Лош набор.csv“ не може да се отвори: ред 3: в реда трябват две клетки, лява и дясна, а са 3$"
    -DPROGRAM=$<TARGET_FILE:parliament-quiz> -P ${PROJECT_SOURCE_DIR}/tests/startup_error.cmake)
add_test(NAME missing_platform_plugin COMMAND ${CMAKE_COMMAND} -DPLATFORM=nosuchplatform
    "-DSAYS=cannot open a window: .*platform plugin \"nosuchplatform\""
    -DPROGRAM=$<TARGET_FILE:parliament-quiz> -P ${PROJECT_SOURCE_DIR}/tests/startup_error.cmake)

# The shipped program carries the hardening Debian gives its own packages:
# PIE, stack protector, fortified functions, full RELRO with immediate
# binding. Only what applies here is asked for: control-flow protection where
# the system's own start-up files carry it (Debian 12's and 13's do not, so
# no program linked there has it), branch protection on Arm alone.
find_program(HARDENING_CHECK NAMES hardening-check)
if(HARDENING_CHECK AND NOT QUIZ_SANITIZE AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
    set(hardening_waived)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=Scrt1.o
        OUTPUT_VARIABLE start_file OUTPUT_STRIP_TRAILING_WHITESPACE)
    execute_process(COMMAND ${CMAKE_READELF} -n ${start_file}
        OUTPUT_VARIABLE start_notes ERROR_QUIET)
    if(NOT start_notes MATCHES "IBT")
        list(APPEND hardening_waived --nocfprotection)
    endif()
    execute_process(COMMAND ${HARDENING_CHECK} --help OUTPUT_VARIABLE hardening_options)
    if(hardening_options MATCHES "nobranchprotection"
       AND NOT CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm)")
        list(APPEND hardening_waived --nobranchprotection)
    endif()
    add_test(NAME hardening
        COMMAND ${HARDENING_CHECK} ${hardening_waived} $<TARGET_FILE:parliament-quiz>)
endif()

# Every file names its copyright and licence, as reuse reads them.
find_program(REUSE NAMES reuse)
if(REUSE)
    add_test(NAME licence_on_every_file COMMAND ${REUSE} --root ${PROJECT_SOURCE_DIR} lint)
endif()

# The desktop entry and the AppStream record as the desktop's own tools read them.
find_program(DESKTOP_FILE_VALIDATE NAMES desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    add_test(NAME desktop_entry_valid COMMAND ${DESKTOP_FILE_VALIDATE}
        ${PROJECT_BINARY_DIR}/data/${QUIZ_APP_ID}.desktop)
endif()
find_program(APPSTREAMCLI NAMES appstreamcli)
if(APPSTREAMCLI)
    add_test(NAME metainfo_valid COMMAND ${APPSTREAMCLI} validate --no-net
        ${PROJECT_BINARY_DIR}/data/${QUIZ_APP_ID}.metainfo.xml)
endif()

# The Debian package holds what a desktop needs, what it installs starts, and
# Debian's own checker finds nothing wrong with it, where it is installed.
find_program(DPKG_DEB NAMES dpkg-deb)
find_program(DPKG_SHLIBDEPS NAMES dpkg-shlibdeps)
find_program(LINTIAN NAMES lintian)
if(DPKG_DEB AND DPKG_SHLIBDEPS AND NOT QUIZ_SANITIZE)
    add_test(NAME debian_package COMMAND ${CMAKE_COMMAND}
        -DBUILD_DIR=${PROJECT_BINARY_DIR} -DAPP_ID=${QUIZ_APP_ID} -DLINTIAN=${LINTIAN}
        -DWORK_DIR=${PROJECT_BINARY_DIR}/tests/debian_package
        -P ${PROJECT_SOURCE_DIR}/tests/debian_package.cmake)
endif()
