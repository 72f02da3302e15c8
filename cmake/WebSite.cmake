# SPDX-FileCopyrightText: 2026 Parliament quiz developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Lays out the quiz's web site in SITE, run as a script after the program is
# linked: the program, the page, its style, its face, icons and licences, with
# the offline copy named after what it holds. Every file a server sends compressed is also stored so,
# once, at the strongest level: the server then sends it without work.
# Beside it, PACKAGE_NAME: the quiz's page as a package for learning platforms,
# laid out in PACKAGE and zipped.
#   cmake -DSOURCE=... -DPROGRAM_DIR=... -DSITE=... -DQRCODE_JS=... -DFFLATE_DIR=... -DJSDOM_DIR=... -DNODE=...
#         -DPACKAGE=... -DPACKAGE_NAME=... -DQUIZ_TITLE=... -DQUIZ_PAGE_COLOR=...
#         [-DGZIP=...] [-DBROTLI=...] -P WebSite.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE})
set(web ${SOURCE}/data/web)
file(COPY
    ${PROGRAM_DIR}/parliament-quiz.js ${PROGRAM_DIR}/parliament-quiz.wasm
    ${PROGRAM_DIR}/parliament-quiz-maker.js ${PROGRAM_DIR}/parliament-quiz-maker.wasm
    ${web}/page.js ${web}/noscript.css ${web}/make.js ${QRCODE_JS} ${web}/scorm-package.js ${web}/fonts/QuizSerif-Regular.woff2
    ${SOURCE}/data/parliament-quiz.svg
    ${SOURCE}/data/icons/parliament-quiz-32.png ${SOURCE}/data/icons/parliament-quiz-256.png
    DESTINATION ${SITE})
file(COPY_FILE ${FFLATE_DIR}/umd/index.js ${SITE}/fflate.js)
file(COPY_FILE ${SOURCE}/LICENSE ${SITE}/LICENSE.txt)
file(COPY_FILE ${SOURCE}/LICENSES/OFL-1.1.txt ${SITE}/LICENSE-font.txt)

set(QUIZ_DESCRIPTION "Тест по география и информатика: свържете всяка от дванадесет държави с \
името на нейния парламент.")
# The form is written into each page once both are laid out; its place
# stays marked until then.
set(QUIZ_FORM "@QUIZ_FORM@")
# The site's page can be installed, kept offline and given another set.
set(QUIZ_INSTALLABLE [[<link rel="manifest" href="manifest.webmanifest">]])
set(QUIZ_REPORTER "")
set(QUIZ_SET_CHOOSER [[<p id="sets" class="sets" hidden><label for="set-file">Свой набор от двойки (CSV):</label>
<input id="set-file" type="file" accept=".csv,text/csv">
<a href="make.html">Направете свой набор</a></p>]])
configure_file(${web}/index.html.in ${SITE}/index.html @ONLY)
configure_file(${web}/make.html.in ${SITE}/make.html @ONLY)
configure_file(${web}/page.css.in ${SITE}/page.css @ONLY)
configure_file(${web}/manifest.webmanifest.in ${SITE}/manifest.webmanifest @ONLY)

# The package's page (see below) reports to the learning platform, and offers
# neither an offline copy nor another set.
file(REMOVE_RECURSE ${PACKAGE})
file(MAKE_DIRECTORY ${PACKAGE})
set(QUIZ_INSTALLABLE "")
set(QUIZ_REPORTER [[<script src="scorm.js" defer></script>]])
set(QUIZ_SET_CHOOSER "")
configure_file(${web}/index.html.in ${PACKAGE}/index.html @ONLY)
execute_process(COMMAND ${NODE} ${SOURCE}/cmake/prerender-form.mjs ${PROGRAM_DIR}/parliament-quiz.js
        ${PROGRAM_DIR}/parliament-quiz.wasm ${JSDOM_DIR} ${SITE}/index.html ${PACKAGE}/index.html
    COMMAND_ERROR_IS_FATAL ANY)

# The offline copy holds every file the quiz shows with: not the licences,
# nor the style for pages with no script, nor the set maker, which a teacher
# opens online: a learner's first visit does not fetch it.
file(GLOB files RELATIVE ${SITE} ${SITE}/*)
list(SORT files)
set(digests)
set(QUIZ_SITE_FILES "'./'")
foreach(name IN LISTS files)
    file(SHA256 ${SITE}/${name} digest)
    string(APPEND digests ${digest})
    if(NOT name MATCHES "^(LICENSE|noscript\\.css$|make\\.|parliament-quiz-maker\\.|qrcode\\.js$|fflate\\.js$|scorm-package\\.js$)")
        string(APPEND QUIZ_SITE_FILES ", '${name}'")
    endif()
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING ${version} 0 16 QUIZ_SITE_VERSION)
configure_file(${web}/service-worker.js.in ${SITE}/service-worker.js @ONLY)

foreach(name IN LISTS files ITEMS service-worker.js)
    if(NOT name MATCHES "\\.(html|js|css|wasm|svg|webmanifest|txt)$")
        continue()
    endif()
    if(GZIP MATCHES "zopfli$")
        execute_process(COMMAND ${GZIP} --i5 ${SITE}/${name} COMMAND_ERROR_IS_FATAL ANY)
    elseif(GZIP)
        execute_process(COMMAND ${GZIP} -9 -n -k ${SITE}/${name} COMMAND_ERROR_IS_FATAL ANY)
    endif()
    if(BROTLI)
        execute_process(COMMAND ${BROTLI} -q 11 -k ${SITE}/${name} COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()

# The package for learning platforms (SCORM 1.2): the quiz's page, which
# reports to the platform, and what it shows with. No maker, no offline copy
# (the platform keeps it), no other set. It is not part of the site a visit
# loads, nor of its offline copy: it lies beside them.
foreach(name IN LISTS files)
    if(name MATCHES "^(LICENSE.*\\.txt|(page|noscript)\\.(js|css)|parliament-quiz(-[0-9]+\\.png|\\.js|\\.wasm|\\.svg)|[^.]*\\.woff2)$")
        file(COPY ${SITE}/${name} DESTINATION ${PACKAGE})
    endif()
endforeach()
file(COPY ${web}/scorm.js DESTINATION ${PACKAGE})
execute_process(COMMAND ${NODE} ${SOURCE}/cmake/scorm-package.mjs ${PACKAGE} ${SITE}/${PACKAGE_NAME}
        ${QUIZ_TITLE} ${FFLATE_DIR}/lib/index.cjs ${web}/scorm-package.js
    COMMAND_ERROR_IS_FATAL ANY)
