# SPDX-FileCopyrightText: 2026 TANVERA developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes index.html and manifest.webmanifest from their templates (cmake -P, from Web.cmake): the
# icon built in as a data: address, so that the page stays one file; the size of the program,
# which the page counts against while it arrives; and the build's version, a hash of the page's
# files, with which the page asks for them and under which its offline copy keeps them.
#   cmake -DTEMPLATE=index.html.in -DMANIFEST=manifest.webmanifest.in -DICON=icon.png
#       -DDIR=<the page's folder> -P WebPage.cmake
execute_process(COMMAND base64 -w0 ${ICON} OUTPUT_VARIABLE TANVERA_ICON_BASE64
    COMMAND_ERROR_IS_FATAL ANY)
file(SIZE ${DIR}/tanvera.wasm TANVERA_PROGRAM_BYTES)
set(hashes "")
foreach(file ${TEMPLATE} ${MANIFEST} ${DIR}/tanvera.wasm ${DIR}/tanvera.js ${DIR}/qtloader.js
        ${DIR}/tanvera-192.png ${DIR}/tanvera-512.png)
    file(SHA256 ${file} hash)
    string(APPEND hashes ${hash})
endforeach()
string(SHA256 TANVERA_WEB_VERSION "${hashes}")
string(SUBSTRING ${TANVERA_WEB_VERSION} 0 16 TANVERA_WEB_VERSION)
configure_file(${TEMPLATE} ${DIR}/index.html @ONLY)
configure_file(${MANIFEST} ${DIR}/manifest.webmanifest @ONLY)
