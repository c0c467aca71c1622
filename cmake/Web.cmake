# SPDX-FileCopyrightText: 2026 TANVERA developers
# SPDX-License-Identifier: GPL-3.0-or-later
# TANVERA in a browser's page: the program built for WebAssembly with the face its layout is made
# for and Qt's Spanish texts, the page index.html with Qt's loader, and the zip a teacher puts
# online. Included from Install.cmake.

# Qt's link options switch emscripten's older exception catching off; the program's run-time
# faults are WebAssembly's own exceptions (CMakeLists.txt), which that leaves as they are.
get_target_property(TANVERA_QT_LINK_OPTIONS Qt6::Platform INTERFACE_LINK_OPTIONS)
# Nothing waits in a loop of its own in the page (a message box returns at once there), so the
# program links without Asyncify, which Qt would add: its instrumentation made every event of the
# page slower and the download larger. Qt asks for it at run time only.
list(FILTER TANVERA_QT_LINK_OPTIONS EXCLUDE REGEX "^SHELL:-s ASYNCIFY$")
set_target_properties(Qt6::Platform PROPERTIES INTERFACE_LINK_OPTIONS "${TANVERA_QT_LINK_OPTIONS}")

target_sources(tanvera_ui PRIVATE ${PROJECT_SOURCE_DIR}/src/ui/web_page.cpp)

# What a screen reader finds in the page: the windows' accessible interfaces told to elements of
# the page. Qt's switch for its accessibility updates is a platform's, in Qt's private API; the
# page's side is linked in front of the program.
target_sources(tanvera_ui PRIVATE ${PROJECT_SOURCE_DIR}/src/ui/web_accessibility.cpp)
target_link_libraries(tanvera_ui PRIVATE Qt6::GuiPrivate)
set(TANVERA_ACCESSIBILITY_JS ${PROJECT_SOURCE_DIR}/src/ui/web_accessibility.js)
target_link_options(tanvera PRIVATE "SHELL:--pre-js ${TANVERA_ACCESSIBILITY_JS}")
set_property(TARGET tanvera APPEND PROPERTY LINK_DEPENDS ${TANVERA_ACCESSIBILITY_JS})

# A browser has no fonts for the page's program. Qt brings DejaVu and Vera, wider than the layout's
# Liberation Sans, the only face the window uses: that is built in (unchanged, as its licence
# asks) and Qt's are left out, 0.6 MB of the download.
set_target_properties(Qt6::QWasmIntegrationPlugin_resources_1 PROPERTIES IMPORTED_OBJECTS_RELEASE "")
find_file(TANVERA_LIBERATION_SANS LiberationSans-Regular.ttf
    PATHS /usr/share/fonts/truetype/liberation2 NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
get_filename_component(TANVERA_FONT_DIR ${TANVERA_LIBERATION_SANS} DIRECTORY)
find_file(TANVERA_QT_SPANISH qtbase_es.qm PATHS /usr/share/qt6/translations
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
get_filename_component(TANVERA_QT_TRANSLATIONS ${TANVERA_QT_SPANISH} DIRECTORY)

# tanvera_web_window(target [SPANISH]): a Qt window for the page as the program is built: the face
# built in, and Qt's image-format plugins left out, since PNG is built into Qt and nothing else is
# read; with SPANISH, Qt's own Spanish texts built in too, so that nothing is installed beside the
# page. The start-up benchmark's bare window is built the same way.
function(tanvera_web_window target)
    cmake_parse_arguments(PARSE_ARGV 1 arg SPANISH "" "")
    qt_import_plugins(${target} EXCLUDE_BY_TYPE imageformats)
    qt_add_resources(${target} ${target}_fonts PREFIX /fonts BASE ${TANVERA_FONT_DIR}
        FILES ${TANVERA_LIBERATION_SANS})
    if(arg_SPANISH)
        qt_add_resources(${target} ${target}_translations PREFIX /translations
            BASE ${TANVERA_QT_TRANSLATIONS} FILES ${TANVERA_QT_SPANISH})
    endif()
endfunction()
tanvera_web_window(tanvera SPANISH)

# The page's icon, and the installed page's in the two sizes browsers ask for, drawn by the host's
# bake_picture like the window's pictures.
set(TANVERA_PAGE_ICONS)
foreach(size 32 192 512)
    set(icon ${TANVERA_BAKED_DIR}/tanvera-${size}x${size}.png)
    add_custom_command(OUTPUT ${icon}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${TANVERA_BAKED_DIR}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${TANVERA_BAKE_PICTURE}
            ${PROJECT_SOURCE_DIR}/src/ui/assets/tanvera.svg ${icon} ${size} ${size}
        DEPENDS ${TANVERA_BAKE_DEPENDS} ${PROJECT_SOURCE_DIR}/src/ui/assets/tanvera.svg
        VERBATIM)
    list(APPEND TANVERA_PAGE_ICONS ${icon})
endforeach()
set(TANVERA_FAVICON ${TANVERA_BAKED_DIR}/tanvera-32x32.png)

# What goes online, in one folder that is also the zip's content: the page, Qt's loader, the
# program, what installs it and keeps it offline, its licences and a note in Spanish.
set(TANVERA_WEB_NAME "TANVERA-${TANVERA_VERSION_TEXT}-web")
set(TANVERA_WEB_DIR ${PROJECT_BINARY_DIR}/${TANVERA_WEB_NAME})
set(TANVERA_WEB_FILES index.html tanvera.js tanvera.wasm qtloader.js sw.js manifest.webmanifest
    tanvera-192.png tanvera-512.png LICENSE LEEME.txt copyright)
set(TANVERA_WEB_SOURCE ${PROJECT_SOURCE_DIR}/packaging/web)
set(TANVERA_WEB_ZIP ${PROJECT_BINARY_DIR}/${TANVERA_WEB_NAME}.zip)
file(MAKE_DIRECTORY ${TANVERA_WEB_DIR})
add_custom_command(OUTPUT ${TANVERA_WEB_ZIP}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE_DIR:tanvera>/tanvera.js
        $<TARGET_FILE_DIR:tanvera>/tanvera.wasm $<TARGET_FILE_DIR:tanvera>/qtloader.js
        ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/packaging/web/LEEME.txt
        ${PROJECT_SOURCE_DIR}/packaging/copyright ${TANVERA_WEB_SOURCE}/sw.js ${TANVERA_WEB_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy ${TANVERA_BAKED_DIR}/tanvera-192x192.png
        ${TANVERA_WEB_DIR}/tanvera-192.png
    COMMAND ${CMAKE_COMMAND} -E copy ${TANVERA_BAKED_DIR}/tanvera-512x512.png
        ${TANVERA_WEB_DIR}/tanvera-512.png
    COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${TANVERA_WEB_SOURCE}/index.html.in
        -DMANIFEST=${TANVERA_WEB_SOURCE}/manifest.webmanifest.in -DICON=${TANVERA_FAVICON}
        -DDIR=${TANVERA_WEB_DIR} -P ${PROJECT_SOURCE_DIR}/cmake/WebPage.cmake
    COMMAND ${CMAKE_COMMAND} -E rm -f ${TANVERA_WEB_ZIP}
    COMMAND ${CMAKE_COMMAND} -E tar cf ${TANVERA_WEB_ZIP} --format=zip ${TANVERA_WEB_FILES}
    WORKING_DIRECTORY ${TANVERA_WEB_DIR}
    DEPENDS tanvera ${TANVERA_PAGE_ICONS} ${TANVERA_WEB_SOURCE}/index.html.in
        ${TANVERA_WEB_SOURCE}/manifest.webmanifest.in ${TANVERA_WEB_SOURCE}/sw.js
        ${TANVERA_WEB_SOURCE}/LEEME.txt ${PROJECT_SOURCE_DIR}/packaging/copyright
        ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/cmake/WebPage.cmake
    VERBATIM)
add_custom_target(web_zip ALL DEPENDS ${TANVERA_WEB_ZIP})
