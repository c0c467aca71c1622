# SPDX-FileCopyrightText: 2026 TANVERA developers
# SPDX-License-Identifier: GPL-3.0-or-later
# TANVERA.exe: one file that runs on Windows 10 and 11 with nothing installed, carrying its
# version record and icon, and the zip a teacher downloads. Included from Install.cmake.

# The name the version record gives; no console window.
set_target_properties(tanvera PROPERTIES OUTPUT_NAME TANVERA WIN32_EXECUTABLE ON)
# Stripped: the file travels over school networks.
target_link_options(tanvera PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)

# Qt's image-format and style plugins would only add size: PNG is built into Qt, nothing else is
# read, and the window takes Qt's own Fusion style.
get_target_property(TANVERA_QT_TYPE Qt6::Core TYPE)
if(TANVERA_QT_TYPE STREQUAL "STATIC_LIBRARY")
    qt_import_plugins(tanvera EXCLUDE_BY_TYPE imageformats styles)
endif()

# Qt's own Spanish texts, built in: there is no installed Qt beside the program.
find_file(TANVERA_QT_SPANISH qtbase_es.qm PATHS /usr/share/qt6/translations
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
get_filename_component(TANVERA_QT_TRANSLATIONS ${TANVERA_QT_SPANISH} DIRECTORY)
qt_add_resources(tanvera tanvera_translations PREFIX /translations
    BASE ${TANVERA_QT_TRANSLATIONS} FILES ${TANVERA_QT_SPANISH})

# The icon in its sizes, drawn by the host's bake_picture like the window's pictures.
set(TANVERA_ICON_FILE ${TANVERA_BAKED_DIR}/tanvera.ico)
add_custom_command(OUTPUT ${TANVERA_ICON_FILE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TANVERA_BAKED_DIR}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${TANVERA_BAKE_PICTURE}
        ${PROJECT_SOURCE_DIR}/src/ui/assets/tanvera.svg ${TANVERA_ICON_FILE} ${TANVERA_ICON_SIZES}
    DEPENDS ${TANVERA_BAKE_DEPENDS} ${PROJECT_SOURCE_DIR}/src/ui/assets/tanvera.svg
    VERBATIM)

# PROJECT_VERSION_TWEAK is empty when project() gives only three numbers.
if(NOT PROJECT_VERSION_TWEAK)
    set(PROJECT_VERSION_TWEAK 0)
endif()
configure_file(${PROJECT_SOURCE_DIR}/packaging/tanvera.rc.in ${PROJECT_BINARY_DIR}/tanvera.rc @ONLY)
target_sources(tanvera PRIVATE ${PROJECT_BINARY_DIR}/tanvera.rc)
set_source_files_properties(${PROJECT_BINARY_DIR}/tanvera.rc PROPERTIES
    OBJECT_DEPENDS ${TANVERA_ICON_FILE})

# The download: TANVERA-1.00-windows-x64.zip with the program, its licence and a note in
# Spanish, all at the top (`cpack -G ZIP` in the build folder).
install(TARGETS tanvera RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/packaging/LEEME.txt
    DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME TANVERA)
set(CPACK_PACKAGE_FILE_NAME "TANVERA-${TANVERA_VERSION_TEXT}-windows-x64")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)

# TANVERA-1.00-windows-x64.msi, for computer rooms that deploy silently: the same TANVERA.exe,
# installed per machine by Windows Installer (packaging/tanvera.wxs, built by Debian's wixl). Its
# version is the project's. wixl writes 1033 as the package's language in every summary, so the
# summary is written again with Spanish (Spain), as the product itself is marked.
find_program(TANVERA_WIXL wixl REQUIRED)
find_program(TANVERA_MSIBUILD msibuild REQUIRED)
function(tanvera_add_msi target file version)
    set(msi ${PROJECT_BINARY_DIR}/${file})
    # wixl takes the files it packs by paths relative to where it runs.
    file(RELATIVE_PATH icon ${PROJECT_BINARY_DIR} ${TANVERA_ICON_FILE})
    file(RELATIVE_PATH licence ${PROJECT_BINARY_DIR} ${PROJECT_SOURCE_DIR}/LICENSE)
    add_custom_command(OUTPUT ${msi}
        COMMAND ${TANVERA_WIXL} --arch x64 -D Version=${version}
            -D Exe=$<TARGET_FILE_NAME:tanvera> -D Icon=${icon} -D Licence=${licence}
            -D "Description=${TANVERA_FILE_DESCRIPTION}" -D "Publisher=${TANVERA_PUBLISHER}"
            -o ${msi} ${PROJECT_SOURCE_DIR}/packaging/tanvera.wxs
        COMMAND ${TANVERA_MSIBUILD} ${msi} -s "${TANVERA_FILE_DESCRIPTION}" "${TANVERA_PUBLISHER}"
            "x64$<SEMICOLON>3082"
        WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
        DEPENDS tanvera ${PROJECT_SOURCE_DIR}/packaging/tanvera.wxs ${TANVERA_ICON_FILE}
            ${PROJECT_SOURCE_DIR}/LICENSE
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${msi})
    set(${target}_file ${msi} PARENT_SCOPE)
endfunction()
tanvera_add_msi(tanvera_msi "TANVERA-${TANVERA_VERSION_TEXT}-windows-x64.msi"
    "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}")
set(TANVERA_MSI ${tanvera_msi_file})
