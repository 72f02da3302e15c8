# SPDX-FileCopyrightText: 2026 Parliament quiz developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Keeps a target in standard C++: it is built only once its sources in DIR
# include no toolkit (CheckStandardIncludes.cmake), and configuring stops
# when it links one, directly or through what it links.
function(quiz_keep_to_standard_cpp target dir)
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.h ${dir}/*.cpp)
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}-standard-includes.stamp)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DQUIZ=${dir} -P ${PROJECT_SOURCE_DIR}/cmake/CheckStandardIncludes.cmake
        COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
        DEPENDS ${sources} ${PROJECT_SOURCE_DIR}/cmake/CheckStandardIncludes.cmake
        COMMENT "Checking that ${target} includes no toolkit"
        VERBATIM)
    add_custom_target(${target}_standard_includes DEPENDS ${stamp})
    add_dependencies(${target} ${target}_standard_includes)
    # Once every target of the project has what it links.
    cmake_language(EVAL CODE "cmake_language(DEFER DIRECTORY [[${PROJECT_SOURCE_DIR}]]
        CALL quiz_check_standard_links [[${target}]])")
endfunction()

function(quiz_check_standard_links target)
    set(pending ${target})
    set(seen)
    while(pending)
        list(POP_FRONT pending current)
        if(current IN_LIST seen OR NOT TARGET ${current})
            continue()
        endif()
        list(APPEND seen ${current})
        get_target_property(linked ${current} LINK_LIBRARIES)
        get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
        foreach(library IN LISTS linked interface)
            if(library MATCHES "^(Qt[0-9]*::|.*[Qq]t[0-9]*(Core|Gui|Widgets))")
                message(FATAL_ERROR "${target} links ${library} through ${current}: "
                    "the quiz's rules are standard C++")
            endif()
            if(library)
                list(APPEND pending ${library})
            endif()
        endforeach()
    endwhile()
endfunction()
