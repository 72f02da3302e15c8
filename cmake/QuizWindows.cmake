# SPDX-FileCopyrightText: 2026 Parliament quiz developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What differs on Windows, included once every target exists: the installers
# a school rolls out (cmake --build . --target windows-packages) and the tests
# that only a Windows build has, run under Wine by scripts/run-windows-tests.
# The program itself carries its runtime (windows/mingw-w64-x86_64.cmake),
# its icon and version record (src/app/).

set(windows_dir ${PROJECT_SOURCE_DIR}/windows)
set(QUIZ_EXE $<TARGET_FILE:parliament-quiz>)
set(QUIZ_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

# The installers and the portable archive.
set(package_name parliament-quiz-${PROJECT_VERSION}-windows-x86_64)
set(nsis_installer ${PROJECT_BINARY_DIR}/${package_name}-setup.exe)
set(msi_installer ${PROJECT_BINARY_DIR}/${package_name}.msi)
set(portable ${PROJECT_BINARY_DIR}/${package_name}.zip)

find_program(MAKENSIS NAMES makensis REQUIRED)
set(QUIZ_INSTALLER ${nsis_installer})
configure_file(${windows_dir}/installer.nsi.in installer.nsi.in @ONLY)
file(GENERATE OUTPUT installer.nsi INPUT ${PROJECT_BINARY_DIR}/installer.nsi.in)
add_custom_command(OUTPUT ${nsis_installer}
    COMMAND ${MAKENSIS} -V2 -NOCD ${PROJECT_BINARY_DIR}/installer.nsi
    DEPENDS parliament-quiz ${PROJECT_BINARY_DIR}/installer.nsi ${QUIZ_ICON}
    COMMENT "Making the Windows installer")

# wixl writes the package's strings in the code page of the language that
# WINDOWS_LANGUAGE names, but marks none: without the mark, Windows reads
# them in its own code page, and without the language the Cyrillic name of
# the product and of its Start-menu entry comes out empty.
find_program(WIXL NAMES wixl REQUIRED)
find_program(MSIBUILD NAMES msibuild REQUIRED)
configure_file(${windows_dir}/parliament-quiz.wxs.in parliament-quiz.wxs.in @ONLY)
file(GENERATE OUTPUT parliament-quiz.wxs INPUT ${PROJECT_BINARY_DIR}/parliament-quiz.wxs.in)
set(code_page_mark ${PROJECT_BINARY_DIR}/_ForceCodepage.idt)
file(WRITE ${code_page_mark} "\r\n\r\n1251\t_ForceCodepage\r\n")
add_custom_command(OUTPUT ${msi_installer}
    COMMAND ${CMAKE_COMMAND} -E env WINDOWS_LANGUAGE=bg
        ${WIXL} --arch x64 -o ${msi_installer} ${PROJECT_BINARY_DIR}/parliament-quiz.wxs
    COMMAND ${CMAKE_COMMAND} -E env WINDOWS_LANGUAGE=bg
        ${MSIBUILD} ${msi_installer} -i ${code_page_mark}
    DEPENDS parliament-quiz ${PROJECT_BINARY_DIR}/parliament-quiz.wxs ${QUIZ_ICON} ${QUIZ_LICENSE}
    COMMENT "Making the Windows Installer package")

set(portable_dir ${PROJECT_BINARY_DIR}/${package_name})
add_custom_command(OUTPUT ${portable}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${portable_dir}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${portable_dir}
    COMMAND ${CMAKE_COMMAND} -E copy ${QUIZ_EXE} ${portable_dir}/
    COMMAND ${CMAKE_COMMAND} -E copy ${QUIZ_LICENSE} ${portable_dir}/LICENSE.txt
    COMMAND ${CMAKE_COMMAND} -E tar cf ${portable} --format=zip ${package_name}
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    DEPENDS parliament-quiz ${QUIZ_LICENSE}
    COMMENT "Making the portable archive")
add_custom_target(windows-packages DEPENDS ${nsis_installer} ${msi_installer} ${portable})

if(NOT BUILD_TESTING)
    return()
endif()

# Qt's offscreen platform on Windows reads its fonts from one folder, which
# scripts/run-windows-tests makes of the Linux machine's fonts; this one has
# no serif face, so the form's face is missing.
set(sans_fonts ${PROJECT_BINARY_DIR}/sans-fonts)
quiz_font_folder(${sans_fonts} EXCLUDE Serif
    FONTS /usr/share/fonts/*Sans*.ttf /usr/share/fonts/*Sans*.otf)
quiz_add_variant(tst_surroundings_no_serif_font tst_surroundings
    ENVIRONMENT ${QUIZ_TEST_ENVIRONMENT} QT_QPA_FONTDIR=Z:${sans_fonts})

# The window and the quiz once more on the real Windows platform, with its
# window frame.
foreach(test tst_mainform tst_quiz)
    add_test(NAME ${test}_windows_platform COMMAND ${test})
    set_tests_properties(${test}_windows_platform PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=windows)
endforeach()

add_test(NAME windows_installer
    COMMAND sh ${windows_dir}/test-installer nsis ${nsis_installer} ${QUIZ_TITLE})
add_test(NAME windows_installer_package
    COMMAND sh ${windows_dir}/test-installer msi ${msi_installer} ${QUIZ_TITLE})

# A screen reader's view: each compare's log line raised as one UI
# Automation notification.
configure_file(${windows_dir}/WindowTitle.h.in generated/WindowTitle.h @ONLY)
add_executable(uia_listener ${windows_dir}/uia-listener.cpp)
target_include_directories(uia_listener PRIVATE ${PROJECT_BINARY_DIR}/generated)
target_link_libraries(uia_listener PRIVATE quiz_options ole32 oleaut32 uuid)
target_link_options(uia_listener PRIVATE -municode)
add_test(NAME announcements_reach_ui_automation
    COMMAND sh ${windows_dir}/test-announcements $<TARGET_FILE:parliament-quiz>
        $<TARGET_FILE:uia_listener>)

add_test(NAME windows_program_is_self_contained
    COMMAND sh ${windows_dir}/check-program $<TARGET_FILE:parliament-quiz>)
