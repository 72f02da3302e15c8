# SPDX-FileCopyrightText: 2026 Parliament quiz developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The quiz in the browser: the page's program (src/app/web/, over the page's
# own controls in src/ui/web/) laid out with the page it keeps up to date
# (data/web/) as the site a school copies to its web server. No Qt.

# build-web/ beside the sources when built by its preset.
set(QUIZ_WEB_SITE ${PROJECT_BINARY_DIR}/site CACHE PATH "Where the web site is laid out")
# The maker's QR code encoder and the zip writer of packages for learning
# platforms, and jsdom, in which the build runs the page's program to write
# its form into the page, from npm at the versions its lock file pins.
find_program(QUIZ_NPM NAMES npm REQUIRED)
find_program(QUIZ_NODE NAMES node nodejs REQUIRED)
set(packages ${PROJECT_BINARY_DIR}/packages)
set(qrcode_js ${packages}/node_modules/qrcode-generator/dist/qrcode.js)
set(fflate_dir ${packages}/node_modules/fflate)
set(jsdom_dir ${packages}/node_modules/jsdom)
add_custom_command(OUTPUT ${qrcode_js} ${fflate_dir}/umd/index.js ${jsdom_dir}/package.json
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/data/web/packages/package.json
        ${PROJECT_SOURCE_DIR}/data/web/packages/package-lock.json ${packages}/
    COMMAND ${QUIZ_NPM} ci --prefix ${packages} --no-audit --no-fund --loglevel=error
    DEPENDS ${PROJECT_SOURCE_DIR}/data/web/packages/package-lock.json
    COMMENT "Fetching the QR code encoder, the zip writer and jsdom"
    VERBATIM)
find_program(QUIZ_GZIP NAMES zopfli gzip)
find_program(QUIZ_BROTLI NAMES brotli)
add_custom_target(web-site ALL
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR}
        -DPROGRAM_DIR=$<TARGET_FILE_DIR:parliament-quiz> -DSITE=${QUIZ_WEB_SITE} -DQRCODE_JS=${qrcode_js}
        -DFFLATE_DIR=${fflate_dir} -DJSDOM_DIR=${jsdom_dir} -DNODE=${QUIZ_NODE} -DPACKAGE=${PROJECT_BINARY_DIR}/scorm12
        -DPACKAGE_NAME=parliament-quiz-${PROJECT_VERSION}-scorm12.zip
        -DGZIP=${QUIZ_GZIP} -DBROTLI=${QUIZ_BROTLI} -DQUIZ_TITLE=${QUIZ_TITLE}
        -DQUIZ_PAGE_COLOR=${QUIZ_FORM_COLOR_CSS} -P ${CMAKE_CURRENT_LIST_DIR}/WebSite.cmake
    DEPENDS parliament-quiz parliament-quiz-maker ${qrcode_js}
    COMMENT "Laying out the web site in ${QUIZ_WEB_SITE}"
    VERBATIM)
