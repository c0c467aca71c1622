# SPDX-FileCopyrightText: 2026 TANVERA developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and the packages: the Debian package on Linux; on Windows the version resource
# and icon of TANVERA.exe, and the download zip; for a browser the page and its zip.
# Included from the top-level CMakeLists.txt once the tanvera target exists.

include(GNUInstallDirs)

set(TANVERA_VERSION_TEXT "1.00")  # as the program itself shows it
set(TANVERA_FILE_DESCRIPTION "TANVERA - Balance de materia en un tanque agitado")
set(TANVERA_METAINFO_ID "io.github.tanvera.TANVERA")

if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/Windows.cmake)
    return()
endif()
if(EMSCRIPTEN)
    include(${CMAKE_CURRENT_LIST_DIR}/Web.cmake)
    return()
endif()

install(TARGETS tanvera RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The desktop file must be tanvera.desktop: the program sets that name with setDesktopFileName.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/tanvera.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${TANVERA_METAINFO_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/src/ui/assets/tanvera.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

if(UNIX AND NOT APPLE)
    # The copyright file, the changelog and the manual pages, compressed the way Debian wants
    # them (gzip -9n: the same bytes on every build).
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
    set(compressed)
    foreach(file changelog man/tanvera.1 man/es/tanvera.1)
        set(copy ${PROJECT_BINARY_DIR}/packaging/${file})
        add_custom_command(OUTPUT ${copy}.gz
            COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/${file} ${copy}
            COMMAND gzip -9nf ${copy}
            DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${file} VERBATIM)
        list(APPEND compressed ${copy}.gz)
    endforeach()
    add_custom_target(tanvera_docs DEPENDS ${compressed})
    add_dependencies(tanvera tanvera_docs) # so that a build of the program can always be installed
    install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
    install(FILES ${PROJECT_BINARY_DIR}/packaging/man/tanvera.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${PROJECT_BINARY_DIR}/packaging/man/es/tanvera.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/es/man1)
endif()

# Debian package: `cpack -G DEB` in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tanvera)
# Debian versions have no fourth number; the Windows resource keeps it.
set(CPACK_PACKAGE_VERSION
    "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}")
set(TANVERA_PACKAGE_CONTACT "TANVERA <tanvera@example.org>"
    CACHE STRING "Maintainer written into the Debian package")
set(CPACK_PACKAGE_CONTACT "${TANVERA_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TANVERA_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "balance de materia en un tanque agitado / stirred-tank mass balance")
# CPack puts the summary in front as the first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Programa docente que simula la concentración en un tanque agitado con
entrada y salida de líquido y la representa en un gráfico.
.
Teaching program that simulates the concentration in a stirred tank with
liquid flowing in and out, and plots it. The interface is in Spanish.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# Library dependencies come from dpkg-shlibdeps. What the program only loads at run time
# must be named: the SVG plugins (icon and diagram), the platform plugins, Qt's Spanish
# texts and Liberation Sans, whose metrics the captions are laid out for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6svg6, qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation2")

include(CPack)
